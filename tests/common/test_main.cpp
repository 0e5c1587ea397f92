// Shared main for every test program: an isolated home and temp folder,
// the offscreen platform, and the application object for the widget tests.
#include "app/application.h"
#include "testseams.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 1;
    const QByteArray root = QFile::encodeName(sandbox.path());
    for (const char *sub : { "home", "config", "data", "tmp" })
        QDir(sandbox.path()).mkpath(QString::fromLatin1(sub));
    qputenv("HOME", root + "/home");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("TMPDIR", root + "/tmp");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);

    OrvaneApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new TestSeamsEnvironment);
    return RUN_ALL_TESTS();
}
