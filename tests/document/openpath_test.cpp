#include "document/openpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class OpenPathTest : public ::testing::Test
{
protected:
    OpenPathTest()
    {
        QFile file(dir.filePath(QStringLiteral("real.txt")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QFile::link(file.fileName(), dir.filePath(QStringLiteral("link.txt")));
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    ~OpenPathTest() override { QDir::setCurrent(previous); }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    QString previous;
};

TEST_F(OpenPathTest, RelativeNamesBecomeAbsoluteFirst)
{
    EXPECT_EQ(ResolveOpenPath(QStringLiteral("real.txt")), path("real.txt"));
    EXPECT_EQ(PathCandidates(QStringLiteral("real.txt")),
        (QStringList { path("real.txt"), QStringLiteral("real.txt") }));
}

TEST_F(OpenPathTest, LinkIsTriedAsItselfThenAsItsTarget)
{
    const QStringList candidates = PathCandidates(path("link.txt"));
    EXPECT_EQ(candidates,
        (QStringList { path("link.txt"), QFileInfo(path("real.txt")).canonicalFilePath() }));
    // When only the resolved form can be opened, that is the one taken.
    const QString target = candidates.value(1);
    EXPECT_EQ(
        ResolveOpenPath(path("link.txt"), [&](const QString &p) { return p == target; }), target);
}

TEST_F(OpenPathTest, MissingFileHasOnlyItsAbsoluteFormAndDoesNotResolve)
{
    EXPECT_EQ(PathCandidates(QStringLiteral("gone.txt")),
        (QStringList { path("gone.txt"), QStringLiteral("gone.txt") }));
    EXPECT_EQ(ResolveOpenPath(QStringLiteral("gone.txt")), std::nullopt);
    EXPECT_TRUE(PathCandidates(QString()).isEmpty());
    EXPECT_EQ(ResolveOpenPath(QString()), std::nullopt);
}

TEST_F(OpenPathTest, OnlyPlainFilesCountAsOpenable)
{
    EXPECT_TRUE(CanOpenForReading(path("real.txt")));
    EXPECT_FALSE(CanOpenForReading(dir.path()));
    EXPECT_FALSE(CanOpenForReading(path("gone.txt")));
    // Regression guard: opening a pipe for reading would wait for a writer.
    const QByteArray fifo = QFile::encodeName(path("pipe"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    EXPECT_FALSE(CanOpenForReading(path("pipe")));
}

} // namespace
