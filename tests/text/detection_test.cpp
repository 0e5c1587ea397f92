#include "text/detection.h"

#include "filehelpers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray out;
    for (unsigned char b : list)
        out += char(b);
    return out;
}

struct Utf8Case
{
    const char *name;
    QByteArray sample;
    Utf8Check expected;
};

class CheckUtf8Cases : public ::testing::TestWithParam<Utf8Case>
{
};

TEST_P(CheckUtf8Cases, Verdict)
{
    EXPECT_EQ(CheckUtf8(GetParam().sample), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Detection, CheckUtf8Cases,
    ::testing::Values(
        Utf8Case{"empty", {}, Utf8Check::PureAscii},
        Utf8Case{"ascii", "plain text\r\n", Utf8Check::PureAscii},
        Utf8Case{"two_byte", "caf\xC3\xA9", Utf8Check::Utf8},
        Utf8Case{"four_byte", "\xF0\x9F\x98\x80", Utf8Check::Utf8},
        Utf8Case{"latin1_byte", "caf\xE9 ok", Utf8Check::NotUtf8},
        Utf8Case{"overlong_lead", "\xC0\xAF", Utf8Check::NotUtf8},
        Utf8Case{"above_f4", "\xF5\x80\x80\x80", Utf8Check::NotUtf8},
        // One bad byte spoils valid sequences seen before it.
        Utf8Case{"valid_then_invalid", "\xC3\xA9\xFF", Utf8Check::NotUtf8},
        // A zero byte wins even after an invalid one.
        Utf8Case{"invalid_then_nul", QByteArray("\xFF" "a\0", 3), Utf8Check::NulFound},
        Utf8Case{"nul_as_continuation", QByteArray("\xC3\0", 2), Utf8Check::NulFound},
        // The byte that broke a sequence is read again as a lead byte.
        Utf8Case{"broken_sequence_then_nul_lead", QByteArray("\xE2\x82\0", 3), Utf8Check::NulFound},
        Utf8Case{"cut_off_at_end", "ab\xE2\x82", Utf8Check::Utf8},
        Utf8Case{"cut_off_before_any_continuation", "ab\xE2", Utf8Check::PureAscii},
        // Only ranges are checked: encoded surrogates and overlong forms pass.
        Utf8Case{"encoded_surrogate", "\xED\xA0\x80", Utf8Check::Utf8},
        Utf8Case{"overlong_three_byte", "\xE0\x80\x80", Utf8Check::Utf8}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Detection, SniffNeverGuessesUtf16)
{
    const SniffResult utf16 = SniffEncoding(QByteArray("a\0b\0", 4));
    EXPECT_EQ(utf16.encoding, Encoding::None);
    EXPECT_TRUE(utf16.nulFound);
    EXPECT_EQ(SniffEncoding("\xC3\xA9").encoding, Encoding::Utf8);
    EXPECT_FALSE(SniffEncoding("\xC3\xA9").nulFound);
    EXPECT_EQ(SniffEncoding("\xE9").encoding, Encoding::None);
}

class DetectionFiles : public ::testing::Test
{
protected:
    Detection detect(const QByteArray &content, bool repair = true)
    {
        return DetectEncoding(scratch.write(QStringLiteral("in.nfo"), content), repair, location);
    }

    ScratchFolder scratch;
    ScratchFolder copies;
    TempCopyLocation location{{copies.folder()}};
};

TEST_F(DetectionFiles, EmptyFileOpensWithNoFlags)
{
    const Detection d = detect({});
    EXPECT_EQ(d.encoding, Encoding::None);
    EXPECT_TRUE(d.fileOpened);
    EXPECT_FALSE(d.nulFound);
    EXPECT_FALSE(d.doubledCarriageReturn);
}

TEST_F(DetectionFiles, MissingFileAndFolderAreNotOpened)
{
    const Detection missing = DetectEncoding(scratch.path(QStringLiteral("none.txt")), true, location);
    EXPECT_FALSE(missing.fileOpened);
    EXPECT_EQ(missing.encoding, Encoding::None);
    const Detection folder = DetectEncoding(scratch.folder(), true, location);
    EXPECT_FALSE(folder.fileOpened);
}

TEST_F(DetectionFiles, ByteOrderMarksDecideWhateverFollows)
{
    EXPECT_EQ(detect("\xEF\xBB\xBF\xFF\xFE garbage").encoding, Encoding::Utf8);
    EXPECT_EQ(detect(bytes({0xFF, 0xFE, 0x41, 0x00})).encoding, Encoding::Utf16LE);
    EXPECT_EQ(detect(bytes({0xFE, 0xFF, 0x00, 0x41})).encoding, Encoding::Utf16BE);
    EXPECT_FALSE(detect(bytes({0xFF, 0xFE, 0x41, 0x00})).nulFound);
    // With repair off only four bytes are read.
    EXPECT_EQ(detect(bytes({0xFF, 0xFE, 0x41, 0x00, 0x0D, 0x0D}), false).encoding, Encoding::Utf16LE);
}

TEST_F(DetectionFiles, SampleDecidesWithoutByteOrderMark)
{
    EXPECT_EQ(detect("just ascii\r\n").encoding, Encoding::None);
    EXPECT_EQ(detect("caf\xC3\xA9\r\n").encoding, Encoding::Utf8);
    EXPECT_EQ(detect("caf\xE9\r\n").encoding, Encoding::None);
    const Detection utf16 = detect(QByteArray("h\0i\0\r\0\n\0", 8));
    EXPECT_EQ(utf16.encoding, Encoding::None);
    EXPECT_TRUE(utf16.nulFound);
}

TEST_F(DetectionFiles, SampleIsTheFirst1024Bytes)
{
    // A sequence cut at the end of the sample does not spoil the verdict.
    QByteArray cut = QByteArray(1022, 'a') + "\xC3\xA9" + "\xE2\x82\xAC";
    EXPECT_EQ(detect(cut).encoding, Encoding::Utf8);
    // Bytes after the sample are not looked at.
    EXPECT_EQ(detect(QByteArray(1024, 'a') + QByteArray("\0\xFF", 2)).encoding, Encoding::None);
    EXPECT_FALSE(detect(QByteArray(1024, 'a') + QByteArray("\0", 1)).nulFound);
    // With repair off the sample is four bytes.
    EXPECT_EQ(detect("abc\xC3\xA9", false).encoding, Encoding::None);
    EXPECT_EQ(detect("abc\xC3\xA9", true).encoding, Encoding::Utf8);
}

TEST_F(DetectionFiles, DoubledCarriageReturnIsRepairedIntoTheCopy)
{
    const QByteArray original = bytes({0x41, 0x0D, 0x0D, 0x0A, 0x42, 0x0D, 0x0A});
    const Detection d = detect(original);
    ASSERT_TRUE(d.doubledCarriageReturn);
    EXPECT_EQ(d.repairedCopy, location.path());
    EXPECT_EQ(ScratchFolder::read(d.repairedCopy), bytes({0x41, 0x0D, 0x0A, 0x42, 0x0D, 0x0A}));
    // Loading never changes the file itself.
    EXPECT_EQ(ScratchFolder::read(scratch.path(QStringLiteral("in.nfo"))), original);
}

TEST_F(DetectionFiles, RepairCoversTheWholeFileOnceFound)
{
    // CR CR LF -> CR LF, CR CR -> CR, CR CR CR -> CR, lone LF -> CR LF.
    const QByteArray tail = QByteArray(5000, 'x') + "1\r\r\n2\r\r3\r\r\r4\n5\r6\r\n";
    const Detection d = detect("a\r\r\nb" + tail);
    ASSERT_TRUE(d.doubledCarriageReturn);
    const QByteArray repairedTail = QByteArray(5000, 'x') + "1\r\n2\r3\r4\r\n5\r6\r\n";
    EXPECT_EQ(ScratchFolder::read(d.repairedCopy), "a\r\nb" + repairedTail);
}

TEST_F(DetectionFiles, DoubledCarriageReturnIsLookedForInBytes0To1024)
{
    const Detection atLast = detect(QByteArray(1023, 'a') + "\r\r\n");
    EXPECT_TRUE(atLast.doubledCarriageReturn); // the second CR is byte 1024
    QFile::remove(atLast.repairedCopy);
    const Detection tooLate = detect(QByteArray(1024, 'a') + "\r\r\n");
    EXPECT_FALSE(tooLate.doubledCarriageReturn);
    EXPECT_TRUE(tooLate.repairedCopy.isEmpty());
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST_F(DetectionFiles, RepairOffLooksAtTheFirstThreeBytesOnly)
{
    EXPECT_TRUE(detect("a\r\r", false).doubledCarriageReturn);
    const Detection d = detect("ab\r\r", false);
    EXPECT_FALSE(d.doubledCarriageReturn);
    EXPECT_TRUE(detect("\r\rx", false).repairedCopy.isEmpty());
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST(TempCopyLocationTest, FallsBackToTheNextFolderAndKeepsIt)
{
    ScratchFolder scratch;
    ScratchFolder fallback;
    const QString missing = scratch.path(QStringLiteral("no/such/folder"));
    TempCopyLocation location({missing, fallback.folder()});
    EXPECT_EQ(location.path(), QDir(missing).filePath(QStringLiteral("orvtmp.nfo")));

    const Detection d = DetectEncoding(scratch.write(QStringLiteral("a.nfo"), "a\r\r\n"), true, location);
    EXPECT_TRUE(d.doubledCarriageReturn);
    EXPECT_EQ(d.repairedCopy, fallback.path(QStringLiteral("orvtmp.nfo")));
    EXPECT_EQ(location.path(), d.repairedCopy);
    // Later runs go straight to the fallback even if the first folder appears.
    QDir().mkpath(missing);
    const Detection again = DetectEncoding(scratch.path(QStringLiteral("a.nfo")), true, location);
    EXPECT_EQ(again.repairedCopy, d.repairedCopy);
}

TEST(TempCopyLocationTest, NoWritableFolderLoadsTheFileUnrepaired)
{
    ScratchFolder scratch;
    TempCopyLocation location({scratch.path(QStringLiteral("gone1")), scratch.path(QStringLiteral("gone2"))});
    const Detection d = DetectEncoding(scratch.write(QStringLiteral("a.nfo"), "a\r\r\n"), true, location);
    EXPECT_TRUE(d.fileOpened);
    EXPECT_FALSE(d.doubledCarriageReturn);
    EXPECT_TRUE(d.repairedCopy.isEmpty());
}

TEST(TempCopyLocationTest, ReplacesALinkPlantedAtTheCopyPath)
{
    // Writing through a planted link would overwrite the link's target.
    ScratchFolder scratch;
    const QString victim = scratch.write(QStringLiteral("victim.txt"), "keep me");
    ScratchFolder copies;
    ASSERT_TRUE(QFile::link(victim, copies.path(QStringLiteral("orvtmp.nfo"))));
    TempCopyLocation location({copies.folder()});
    const Detection d = DetectEncoding(scratch.write(QStringLiteral("a.nfo"), "a\r\r\n"), true, location);
    EXPECT_TRUE(d.doubledCarriageReturn);
    EXPECT_EQ(ScratchFolder::read(victim), QByteArray("keep me"));
    EXPECT_EQ(ScratchFolder::read(d.repairedCopy), QByteArray("a\r\n"));
}

TEST(Detection, ProcessTempPathIsInTheTempFolderAndStable)
{
    const QString path = TempFilePath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/orvtmp.nfo")));
    EXPECT_EQ(QFileInfo(path).dir().canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
    EXPECT_EQ(TempFilePath(), path);
}

} // namespace
