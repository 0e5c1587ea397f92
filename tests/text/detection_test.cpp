#include "filehelpers.h"
#include "text/detection.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

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

INSTANTIATE_TEST_SUITE_P(Detection, CheckUtf8Cases,
    ::testing::Values(Utf8Case { "ascii", "plain text\r\n", Utf8Check::PureAscii },
        Utf8Case { "two_byte", "caf\xC3\xA9", Utf8Check::Utf8 },
        Utf8Case { "latin1_byte", "caf\xE9 ok", Utf8Check::NotUtf8 },
        Utf8Case { "overlong_lead", "\xC0\xAF", Utf8Check::NotUtf8 },
        // One bad byte spoils valid sequences seen before it...
        Utf8Case { "valid_then_invalid", "\xC3\xA9\xFF", Utf8Check::NotUtf8 },
        // ...but a zero byte after it still wins.
        Utf8Case { "invalid_then_nul",
            QByteArray("\xFF"
                       "a\0",
                3),
            Utf8Check::NulFound },
        // The byte that broke a sequence is read again as a lead byte.
        Utf8Case {
            "broken_sequence_then_nul_lead", QByteArray("\xE2\x82\0", 3), Utf8Check::NulFound },
        Utf8Case { "cut_off_at_end", "ab\xE2\x82", Utf8Check::Utf8 },
        Utf8Case { "encoded_surrogate_passes", "\xED\xA0\x80", Utf8Check::Utf8 }),
    [](const auto &info) { return std::string(info.param.name); });

class DetectionFiles : public ::testing::Test
{
protected:
    Detection detect(const QByteArray &content, bool repair = true)
    {
        return DetectEncoding(scratch.write(QStringLiteral("in.nfo"), content), repair, location);
    }

    ScratchFolder scratch;
    ScratchFolder copies;
    TempCopyLocation location { { copies.folder() } };
};

TEST_F(DetectionFiles, EmptyMissingAndFolder)
{
    const Detection empty = detect({});
    EXPECT_EQ(empty.encoding, Encoding::None);
    EXPECT_TRUE(empty.fileOpened);
    EXPECT_FALSE(empty.nulFound || empty.doubledCarriageReturn);
    EXPECT_FALSE(DetectEncoding(scratch.path(QStringLiteral("none")), true, location).fileOpened);
    EXPECT_FALSE(DetectEncoding(scratch.folder(), true, location).fileOpened);
}

TEST_F(DetectionFiles, ByteOrderMarkOrSample)
{
    EXPECT_EQ(detect("\xEF\xBB\xBF\xFF garbage").encoding, Encoding::Utf8);
    EXPECT_EQ(detect(QByteArray("\xFE\xFF\0A", 4)).encoding, Encoding::Utf16BE);
    // With repair off only four bytes are read.
    EXPECT_EQ(detect(QByteArray("\xFF\xFE"
                                "A\0\r\r",
                         6),
                  false)
                  .encoding,
        Encoding::Utf16LE);
    EXPECT_EQ(detect("abc\xC3\xA9", false).encoding, Encoding::None);
    EXPECT_EQ(detect("abc\xC3\xA9", true).encoding, Encoding::Utf8);
    EXPECT_EQ(detect("caf\xE9").encoding, Encoding::None);
    const Detection utf16 = detect(QByteArray("h\0i\0", 4));
    EXPECT_EQ(utf16.encoding, Encoding::None);
    EXPECT_TRUE(utf16.nulFound);
}

TEST_F(DetectionFiles, SampleIsTheFirst1024Bytes)
{
    EXPECT_EQ(detect(QByteArray(1022, 'a') + "\xC3\xA9\xE2\x82\xAC").encoding, Encoding::Utf8);
    EXPECT_FALSE(detect(QByteArray(1024, 'a') + QByteArray("\0\xFF", 2)).nulFound);
}

TEST_F(DetectionFiles, DoubledCarriageReturnIsRepairedIntoTheCopy)
{
    const QByteArray original("A\r\r\nB\r\n");
    const Detection d = detect(original);
    ASSERT_TRUE(d.doubledCarriageReturn);
    EXPECT_EQ(d.repairedCopy, location.path());
    EXPECT_EQ(ScratchFolder::read(d.repairedCopy), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(ScratchFolder::read(scratch.path(QStringLiteral("in.nfo"))), original);

    // Once found, the whole file is repaired: CR CR -> CR, CR CR CR -> CR; a
    // lone LF stays, the loader turns it into CR LF like any other.
    const QByteArray tail = QByteArray(5000, 'x') + "1\r\r2\r\r\r3\n4\r5\r\n";
    const Detection whole = detect("a\r\r\nb" + tail);
    EXPECT_EQ(ScratchFolder::read(whole.repairedCopy),
        "a\r\nb" + QByteArray(5000, 'x') + "1\r2\r3\n4\r5\r\n");
}

TEST_F(DetectionFiles, DoubledCarriageReturnIsLookedForInBytes0To1024)
{
    EXPECT_TRUE(detect(QByteArray(1023, 'a') + "\r\r\n").doubledCarriageReturn);
    QFile::remove(location.path());
    EXPECT_FALSE(detect(QByteArray(1024, 'a') + "\r\r\n").doubledCarriageReturn);
    EXPECT_FALSE(QFile::exists(location.path()));
    // Repair off: bytes 0 to 2 only, and no copy.
    EXPECT_TRUE(detect("a\r\r", false).doubledCarriageReturn);
    EXPECT_FALSE(detect("ab\r\r", false).doubledCarriageReturn);
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST(TempCopyLocationTest, FallsBackToTheNextFolderAndKeepsIt)
{
    ScratchFolder scratch;
    ScratchFolder fallback;
    const QString missing = scratch.path(QStringLiteral("no/such/folder"));
    TempCopyLocation location({ missing, fallback.folder() });
    const QString file = scratch.write(QStringLiteral("a.nfo"), "a\r\r\n");
    EXPECT_EQ(DetectEncoding(file, true, location).repairedCopy,
        fallback.path(QStringLiteral("orvtmp.nfo")));
    QDir().mkpath(missing);
    EXPECT_EQ(location.path(), fallback.path(QStringLiteral("orvtmp.nfo")));

    TempCopyLocation nowhere({ scratch.path(QStringLiteral("gone")) });
    const Detection unrepaired = DetectEncoding(file, true, nowhere);
    EXPECT_TRUE(unrepaired.fileOpened);
    EXPECT_FALSE(unrepaired.doubledCarriageReturn);
}

TEST(TempCopyLocationTest, ReplacesALinkPlantedAtTheCopyPath)
{
    // Writing through a planted link would overwrite the link's target.
    ScratchFolder scratch;
    const QString victim = scratch.write(QStringLiteral("victim.txt"), "keep me");
    ScratchFolder copies;
    ASSERT_TRUE(QFile::link(victim, copies.path(QStringLiteral("orvtmp.nfo"))));
    TempCopyLocation location({ copies.folder() });
    const Detection d
        = DetectEncoding(scratch.write(QStringLiteral("a.nfo"), "a\r\r\n"), true, location);
    EXPECT_EQ(ScratchFolder::read(victim), QByteArray("keep me"));
    EXPECT_EQ(ScratchFolder::read(d.repairedCopy), QByteArray("a\r\n"));
}

TEST(TempCopyLocationTest, ProcessPathIsInTheTempFolder)
{
    EXPECT_EQ(TempFilePath(),
        QDir(QDir(QDir::tempPath()).canonicalPath()).filePath(QStringLiteral("orvtmp.nfo")));
}

} // namespace
