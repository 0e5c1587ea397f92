#include "settings/inifile.h"
#include "settings/registrystore.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int writesEach = 500;

// Two writer processes at once, each with keys of its own; every key must survive.
void runTwoWriters(const QString &mode, const QString &path)
{
    std::unique_ptr<QProcess> writers[2];
    const QString prefixes[2] = {QStringLiteral("a"), QStringLiteral("b")};
    for (int i = 0; i < 2; ++i) {
        writers[i] = std::make_unique<QProcess>();
        writers[i]->start(QStringLiteral(STORAGE_WRITER),
                          {mode, path, prefixes[i], QString::number(writesEach)});
    }
    for (auto &writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(100000));
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }
}

TEST(ConcurrentWriters, TwoProcessesWritingOneIniFileLoseNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    runTwoWriters(QStringLiteral("ini"), path);
    int found = 0;
    for (const char *prefix : {"a", "b"}) {
        for (int i = 0; i < writesEach; ++i) {
            const QString key = QString::fromLatin1(prefix) + QString::number(i);
            found += readIniValue(path, QStringLiteral("Settings"), key) == key;
        }
    }
    EXPECT_EQ(found, 2 * writesEach);
}

TEST(ConcurrentWriters, TwoProcessesWritingOneRegistryStoreLoseNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvane/registry.reg"));
    runTwoWriters(QStringLiteral("reg"), path);
    const RegistryStore store(path);
    int found = 0;
    for (const char *prefix : {"a", "b"}) {
        for (int i = 0; i < writesEach; ++i) {
            const QString key = QString::fromLatin1(prefix) + QString::number(i);
            QString value;
            found += store.readRegistryString(QStringLiteral("\\Software\\Orvane"), key,
                                              RegistryRoot::CurrentUser, value)
                && value == key;
        }
    }
    EXPECT_EQ(found, 2 * writesEach);
}

} // namespace
