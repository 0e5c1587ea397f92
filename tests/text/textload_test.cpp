#include "filehelpers.h"
#include "text/textload.h"

#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class TextLoad : public ::testing::Test
{
protected:
    LoadResult load(const QByteArray &content, Encoding chosen = Encoding::None, bool nfo = false)
    {
        return loadPath(scratch.write(QStringLiteral("in.nfo"), content), chosen, nfo);
    }
    LoadResult loadPath(const QString &path, Encoding chosen = Encoding::None, bool nfo = false)
    {
        return LoadTextFile({ path, chosen, nfo, kMaxTextFileBytes }, location);
    }
    static QString openFailed(const QString &path)
    {
        return QStringLiteral("Could not open file: ") + path;
    }

    ScratchFolder scratch;
    ScratchFolder copies;
    TempCopyLocation location { { copies.folder() } };
};

TEST_F(TextLoad, EveryLineBreakBecomesCrLfAndNoneIsAdded)
{
    EXPECT_EQ(load("a\nb\rc\r\nd").text, QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(load("\r").text, QStringLiteral("\r\n"));
    EXPECT_EQ(ToCrLf(QStringLiteral("\n\r\r\nx\r\ny\r")), QStringLiteral("\r\n\r\n\r\nx\r\ny\r\n"));
}

TEST_F(TextLoad, DoubledCarriageReturnsLoadRepairedAndTheCopyIsDeleted)
{
    const LoadResult r = load("one\r\r\ntwo\r\r\nthree");
    EXPECT_TRUE(r.repaired);
    EXPECT_EQ(r.text, QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST_F(TextLoad, Utf16IsNeverRepairedByteWise)
{
    // U+0D15 then CR in UTF-16 LE holds the bytes 0D 0D: no doubled carriage return.
    const QString text = QStringLiteral("\u0D15\r\n\u010Ax\r\n");
    const QByteArray units(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const LoadResult marked = load("\xFF\xFE" + units);
    EXPECT_FALSE(marked.repaired);
    EXPECT_EQ(marked.text, text);
    const LoadResult chosen = load(units, Encoding::Utf16LE);
    EXPECT_FALSE(chosen.repaired);
    EXPECT_EQ(chosen.text, text);
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST_F(TextLoad, AnotherRepairAtTheSameMomentDoesNotSwapTheCopies)
{
    // Two windows share the copy's path; each must load its own file.
    const LoadRequest first { scratch.write(QStringLiteral("a.nfo"), "first\r\r\n") };
    const Detection firstDetection = DetectEncoding(first.path, true, location);
    const LoadRequest second { scratch.write(QStringLiteral("b.nfo"), "second\r\r\n") };
    const Detection secondDetection = DetectEncoding(second.path, true, location);
    EXPECT_EQ(LoadDetectedFile(first, firstDetection).text, QStringLiteral("first\r\n"));
    EXPECT_EQ(LoadDetectedFile(second, secondDetection).text, QStringLiteral("second\r\n"));
}

TEST_F(TextLoad, EncodingChosenDetectedOrNone)
{
    const LoadResult plain = load("caf\xE9 \x80");
    EXPECT_EQ(plain.text, QStringLiteral("caf\u00E9 \u20AC"));
    EXPECT_EQ(plain.documentEncoding, Encoding::None);
    EXPECT_EQ(plain.loadEncoding, Encoding::Ansi);

    const LoadResult utf8 = load("\xEF\xBB\xBF\xC3\xA9");
    EXPECT_EQ(utf8.text, QStringLiteral("\u00E9")); // the mark is skipped
    EXPECT_EQ(utf8.loadEncoding, Encoding::Utf8);
    EXPECT_EQ(load(QByteArray("\xFF\xFE"
                              "A\0\n\0",
                       6))
                  .text,
        QStringLiteral("A\r\n"));

    // A chosen encoding decides; a mark of another encoding is text.
    const LoadResult ansi = load("\xEF\xBB\xBFx", Encoding::Ansi);
    EXPECT_EQ(ansi.text, QStringLiteral("\u00EF\u00BB\u00BFx"));
    EXPECT_EQ(ansi.documentEncoding, Encoding::Ansi);

    const LoadResult wrong = load("caf\xE9", Encoding::Utf8);
    EXPECT_TRUE(wrong.invalidBytes);
    EXPECT_EQ(wrong.text, QStringLiteral("caf\uFFFD"));
}

TEST_F(TextLoad, NfoWithoutRecognisedEncodingLoadsAsWesternLatin)
{
    const LoadResult nfo = load("\xDB\xDB\xB1", Encoding::None, true);
    EXPECT_EQ(nfo.documentEncoding, Encoding::WesternLatin);
    EXPECT_EQ(nfo.text, QStringLiteral("\u00DB\u00DB\u00B1"));
    EXPECT_EQ(load("\xEF\xBB\xBFx", Encoding::None, true).documentEncoding, Encoding::Utf8);
}

TEST_F(TextLoad, NulBytesShowOneCharacterPerByteFromTheFileItself)
{
    // UTF-16 without a mark, with a doubled CR: no repair, no line-break change.
    const LoadResult r = load(QByteArray("h\0\r\r\n\0\xE9\0", 8));
    EXPECT_TRUE(r.nulPath);
    EXPECT_EQ(r.text, QStringLiteral("h \r\r\n \u00E9 "));
    EXPECT_FALSE(r.loadEncoding.has_value());
    EXPECT_FALSE(QFile::exists(location.path()));
    EXPECT_FALSE(load(QByteArray("h\0i\0", 4), Encoding::Utf16LE).nulPath);
}

TEST_F(TextLoad, BrokenDetectedUtf8KeepsEveryByte)
{
    // After a mark, and beyond the sample that looked like UTF-8.
    for (const QByteArray &bytes : { QByteArray("\xEF\xBB\xBFok \xE9 \xC3\xA9"),
             "\xC3\xA9" + QByteArray(2000, 'a') + "\x93q\x94" }) {
        const LoadResult r = load(bytes);
        EXPECT_EQ(r.documentEncoding, Encoding::None);
        EXPECT_EQ(EncodeText(r.text, *r.loadEncoding), bytes);
    }
}

TEST_F(TextLoad, OddLengthUtf16IsFlagged)
{
    const LoadResult r = load(QByteArray("\xFF\xFE"
                                         "A\0B",
        5));
    EXPECT_TRUE(r.invalidBytes);
    EXPECT_EQ(r.text, QStringLiteral("A\uFFFD"));
}

TEST_F(TextLoad, UnopenableFilesFailBeforeTheEditorIsTouched)
{
    const QString missing = scratch.path(QStringLiteral("missing.txt"));
    const LoadResult m = loadPath(missing);
    EXPECT_FALSE(m.ok || m.fileOpened);
    EXPECT_TRUE(m.error.startsWith(openFailed(missing))) << qPrintable(m.error);
    EXPECT_EQ(loadPath(scratch.folder()).error,
        openFailed(scratch.folder()) + QStringLiteral("\nIt is a folder, not a file."));
    // A device would be read forever.
    EXPECT_EQ(loadPath(QStringLiteral("/dev/zero")).error,
        openFailed(QStringLiteral("/dev/zero"))
            + QStringLiteral("\nIt is a device or a pipe, not a regular file."));
    if (geteuid() != 0) { // permissions do not apply to root
        const QString secret = scratch.write(QStringLiteral("secret.txt"), "x");
        QFile::setPermissions(secret, QFileDevice::WriteOwner);
        EXPECT_TRUE(loadPath(secret).error.startsWith(openFailed(secret)));
    }
}

TEST_F(TextLoad, FileVanishingAfterDetectionFailsAsOpened)
{
    const LoadRequest request { scratch.write(QStringLiteral("gone.txt"), "text") };
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
    ASSERT_TRUE(huge.resize(600LL * 1024 * 1024)); // sparse
    huge.close();
    const LoadResult r = loadPath(path);
    EXPECT_FALSE(r.ok || r.fileOpened); // the previous document stays
    EXPECT_TRUE(r.error.startsWith(openFailed(path)));
    EXPECT_TRUE(r.error.contains(QStringLiteral("600 MB"))) << qPrintable(r.error);
    EXPECT_TRUE(r.error.contains(QStringLiteral("512 MB"))) << qPrintable(r.error);
}

// Below the size limit a file still has to fit in the free memory.
TEST_F(TextLoad, FileTooLargeForTheFreeMemoryIsRefusedWithTheNumbers)
{
    const QString path = scratch.write(QStringLiteral("big.txt"), QByteArray(3 << 20, 'x'));
    LoadRequest request { path };
    request.availableMemory = 10LL << 20;
    LoadResult r = LoadTextFile(request, location);
    EXPECT_FALSE(r.ok || r.fileOpened);
    EXPECT_TRUE(r.error.startsWith(openFailed(path)));
    for (const char *number : { "3 MB", "24 MB", "10 MB are free" })
        EXPECT_TRUE(r.error.contains(QLatin1String(number))) << qPrintable(r.error);

    request.availableMemory = 100LL << 20;
    EXPECT_TRUE(LoadTextFile(request, location).ok);
    // Unknown free memory refuses nothing.
    request.availableMemory.reset();
    EXPECT_TRUE(LoadTextFile(request, location).ok);
    EXPECT_TRUE(AvailableMemoryBytes().value_or(1) > 0);
}

} // namespace
