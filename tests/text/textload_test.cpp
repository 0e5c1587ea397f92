#include "text/textload.h"

#include "filehelpers.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class TextLoad : public ::testing::Test
{
protected:
    LoadResult load(const QByteArray &content, Encoding chosen = Encoding::None, bool nfo = false)
    {
        LoadRequest request;
        request.path = scratch.write(QStringLiteral("in.nfo"), content);
        request.chosen = chosen;
        request.westernLatinForNfo = nfo;
        return LoadTextFile(request, location);
    }
    LoadResult loadPath(const QString &path)
    {
        LoadRequest request;
        request.path = path;
        return LoadTextFile(request, location);
    }
    QString openFailed(const QString &path) const
    {
        return QStringLiteral("Could not open file: ") + path;
    }

    ScratchFolder scratch;
    ScratchFolder copies;
    TempCopyLocation location{{copies.folder()}};
};

TEST_F(TextLoad, EveryLineBreakBecomesCrLfAndNoneIsAdded)
{
    const LoadResult r = load("a\nb\rc\r\nd");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(load("x\r\n\n").text, QStringLiteral("x\r\n\r\n"));
    EXPECT_EQ(load("\r").text, QStringLiteral("\r\n"));
}

TEST_F(TextLoad, DoubledCarriageReturnsLoadRepairedAndTheCopyIsDeleted)
{
    const LoadResult r = load("one\r\r\ntwo\r\r\nthree");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.repaired);
    EXPECT_EQ(r.text, QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_FALSE(QFile::exists(location.path()));
    EXPECT_EQ(ScratchFolder::read(scratch.path(QStringLiteral("in.nfo"))), "one\r\r\ntwo\r\r\nthree");
}

TEST_F(TextLoad, PlainTextUsesTheEightBitCodePage)
{
    const LoadResult r = load("caf\xE9 \x80");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, QStringLiteral("caf\u00E9 \u20AC"));
    EXPECT_EQ(r.documentEncoding, Encoding::None);
    EXPECT_EQ(r.loadEncoding, Encoding::Ansi);

    const LoadResult empty = load({});
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.text.isEmpty());
    EXPECT_TRUE(empty.fileOpened);
    EXPECT_EQ(empty.loadEncoding, Encoding::Ansi);
}

TEST_F(TextLoad, MatchingByteOrderMarkIsSkipped)
{
    const LoadResult utf8 = load("\xEF\xBB\xBF\xC3\xA9");
    EXPECT_EQ(utf8.text, QStringLiteral("\u00E9"));
    EXPECT_EQ(utf8.documentEncoding, Encoding::Utf8);
    EXPECT_EQ(utf8.loadEncoding, Encoding::Utf8);

    const LoadResult le = load(QByteArray("\xFF\xFE" "A\0\n\0", 6));
    EXPECT_EQ(le.text, QStringLiteral("A\r\n"));
    EXPECT_EQ(le.documentEncoding, Encoding::Utf16LE);

    const LoadResult be = load(QByteArray("\xFE\xFF\0B", 4));
    EXPECT_EQ(be.text, QStringLiteral("B"));
    EXPECT_EQ(be.loadEncoding, Encoding::Utf16BE);

    // A chosen encoding decides; a mark of another encoding is text.
    const LoadResult ansi = load("\xEF\xBB\xBFx", Encoding::Ansi);
    EXPECT_EQ(ansi.text, QStringLiteral("\u00EF\u00BB\u00BFx"));
    EXPECT_EQ(ansi.documentEncoding, Encoding::Ansi);
}

TEST_F(TextLoad, NfoWithoutRecognisedEncodingLoadsAsWesternLatin)
{
    const LoadResult nfo = load("\xDB\xDB\xB1 art", Encoding::None, true);
    EXPECT_EQ(nfo.documentEncoding, Encoding::WesternLatin);
    EXPECT_EQ(nfo.loadEncoding, Encoding::WesternLatin);
    EXPECT_EQ(nfo.text, QStringLiteral("\u00DB\u00DB\u00B1 art"));
    // A byte order mark still wins.
    EXPECT_EQ(load("\xEF\xBB\xBFx", Encoding::None, true).documentEncoding, Encoding::Utf8);
}

TEST_F(TextLoad, NulBytesShowOneCharacterPerByte)
{
    // UTF-16 without a byte order mark; line breaks are left as they are.
    const LoadResult r = load(QByteArray("h\0i\0\n\0\xE9\0", 8));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.nulPath);
    EXPECT_EQ(r.text, QStringLiteral("h i \n \u00E9 "));
    EXPECT_FALSE(r.loadEncoding.has_value());
    EXPECT_EQ(r.documentEncoding, Encoding::None);
    // A chosen encoding takes the normal path.
    const LoadResult chosen = load(QByteArray("h\0i\0", 4), Encoding::Utf16LE);
    EXPECT_FALSE(chosen.nulPath);
    EXPECT_EQ(chosen.text, QStringLiteral("hi"));
}

TEST_F(TextLoad, NulPathShowsTheFileItselfNotTheRepairedCopy)
{
    const LoadResult r = load(QByteArray("a\r\r\n\0", 5));
    EXPECT_TRUE(r.nulPath);
    EXPECT_EQ(r.text, QStringLiteral("a\r\r\n "));
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST_F(TextLoad, BrokenUtf8AfterAMarkKeepsEveryByte)
{
    const QByteArray bytes("\xEF\xBB\xBFok \xE9 \xC3\xA9");
    const LoadResult r = load(bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.invalidBytes);
    EXPECT_EQ(r.documentEncoding, Encoding::None);
    EXPECT_EQ(r.loadEncoding, Encoding::Ansi);
    EXPECT_EQ(EncodeText(r.text, *r.loadEncoding), bytes);
}

TEST_F(TextLoad, BrokenUtf8BeyondTheSampleKeepsEveryByte)
{
    const QByteArray bytes = "\xC3\xA9" + QByteArray(2000, 'a') + "\x93quoted\x94";
    const LoadResult r = load(bytes);
    EXPECT_EQ(r.documentEncoding, Encoding::None);
    EXPECT_EQ(EncodeText(r.text, *r.loadEncoding), bytes);
}

TEST_F(TextLoad, ChosenUtf8OnOtherBytesIsFlagged)
{
    const LoadResult r = load("caf\xE9", Encoding::Utf8);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.invalidBytes);
    EXPECT_EQ(r.text, QStringLiteral("caf\uFFFD"));
    EXPECT_EQ(r.documentEncoding, Encoding::Utf8);
}

TEST_F(TextLoad, OddLengthUtf16KeepsItsLastByteAsAReplacement)
{
    const LoadResult r = load(QByteArray("\xFF\xFE" "A\0B", 5));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.invalidBytes);
    EXPECT_EQ(r.text, QStringLiteral("A\uFFFD"));
}

TEST_F(TextLoad, MissingFileAndFolderFailBeforeOpening)
{
    const QString missing = scratch.path(QStringLiteral("missing.txt"));
    const LoadResult m = loadPath(missing);
    EXPECT_FALSE(m.ok);
    EXPECT_FALSE(m.fileOpened);
    EXPECT_TRUE(m.error.startsWith(openFailed(missing))) << qPrintable(m.error);

    const LoadResult folder = loadPath(scratch.folder());
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.fileOpened);
    EXPECT_EQ(folder.error, openFailed(scratch.folder()));
}

TEST_F(TextLoad, DeviceIsRefusedRatherThanReadForever)
{
    const LoadResult r = loadPath(QStringLiteral("/dev/zero"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, openFailed(QStringLiteral("/dev/zero")));
}

TEST_F(TextLoad, UnreadableFileFails)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not apply to root";
    const QString path = scratch.write(QStringLiteral("secret.txt"), "x");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    const LoadResult r = loadPath(path);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.fileOpened);
    EXPECT_TRUE(r.error.startsWith(openFailed(path)));
}

TEST_F(TextLoad, FileVanishingAfterDetectionFailsAsOpened)
{
    LoadRequest request;
    request.path = scratch.write(QStringLiteral("gone.txt"), "text");
    const Detection detection = DetectEncoding(request.path, true, location);
    QFile::remove(request.path);
    const LoadResult r = LoadDetectedFile(request, detection);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.fileOpened); // the caller empties the editor
    EXPECT_TRUE(r.error.startsWith(openFailed(request.path)));
}

TEST_F(TextLoad, HugeFileIsRefusedWithoutReadingIt)
{
    const QString path = scratch.path(QStringLiteral("huge.txt"));
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(200LL * 1024 * 1024)); // sparse, takes no disk space
    huge.close();
    const LoadResult r = loadPath(path);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.fileOpened); // the previous document stays
    EXPECT_TRUE(r.error.startsWith(openFailed(path)));
    EXPECT_TRUE(r.error.contains(QStringLiteral("200 MB"))) << qPrintable(r.error);
}

TEST_F(TextLoad, FileGrowingPastTheLimitAfterDetectionIsRefused)
{
    LoadRequest request;
    request.path = scratch.write(QStringLiteral("grows.txt"), "small");
    request.maxBytes = 16;
    const Detection detection = DetectEncoding(request.path, true, location);
    scratch.write(QStringLiteral("grows.txt"), QByteArray(17, 'x'));
    const LoadResult r = LoadDetectedFile(request, detection);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.text.isEmpty());
}

} // namespace
