#include "settings/inifile.h"
#include "settings/registrystore.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int writesEach = 500;

// Two writer processes at once, each with keys of its own; returns how many keys survived.
int writeFromTwoProcesses(
    const QString &mode, const QString &path, const std::function<QString(const QString &)> &read)
{
    QProcess writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i].start(QStringLiteral(STORAGE_WRITER),
            { mode, path, u"ab"_s.mid(i, 1), QString::number(writesEach) });
    for (QProcess &writer : writers) {
        EXPECT_TRUE(writer.waitForFinished(100000));
        EXPECT_EQ(writer.exitCode(), 0);
    }
    int found = 0;
    for (const QString &prefix : { u"a"_s, u"b"_s }) {
        for (int i = 0; i < writesEach; ++i)
            found += read(prefix + QString::number(i)) == prefix + QString::number(i);
    }
    return found;
}

TEST(ConcurrentWriters, TwoProcessesLoseNothingInOneIniFileOrRegistryStore)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"settings.ini"_s);
    EXPECT_EQ(writeFromTwoProcesses(u"ini"_s, ini,
                  [&](const QString &key) {
                      return readIniValue(ini, u"Settings"_s, key).value_or(QString());
                  }),
        2 * writesEach);

    const QString reg = dir.filePath(u"orvane/registry.reg"_s);
    const RegistryStore store(reg);
    EXPECT_EQ(writeFromTwoProcesses(u"reg"_s, reg,
                  [&](const QString &key) {
                      QString value;
                      store.readRegistryString(
                          u"\\Software\\Orvane"_s, key, RegistryRoot::CurrentUser, value);
                      return value;
                  }),
        2 * writesEach);
}

} // namespace
