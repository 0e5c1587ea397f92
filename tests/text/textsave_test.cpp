#include "text/textload.h"
#include "text/textsave.h"

#include "filehelpers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The mode bits only; the "user" bits describe the current user's rights.
QFileDevice::Permissions modeOf(const QString &path)
{
    return QFile::permissions(path) & ~QFileDevice::Permissions(0x0F00);
}

const QString kSample = QStringLiteral("a\u00E9\r\n\u20AC");

struct EncodingCase
{
    const char *name;
    Encoding encoding;
    Encoding loadEncoding;
    QByteArray expected;
};

class SaveBytes : public ::testing::TestWithParam<EncodingCase>
{
};

TEST_P(SaveBytes, ExactBytesOnDisk)
{
    ScratchFolder scratch;
    SaveRequest request{scratch.path(QStringLiteral("out.txt")), GetParam().encoding,
                        GetParam().loadEncoding, false};
    const SaveResult r = SaveTextFile(request, kSample, [](Encoding) {
        ADD_FAILURE() << "no warning expected";
        return UnicodeWarningAnswer::Cancel;
    });
    EXPECT_EQ(r.outcome, SaveOutcome::Written);
    EXPECT_EQ(r.encoding, GetParam().encoding);
    EXPECT_EQ(ScratchFolder::read(request.path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TextSave, SaveBytes,
    ::testing::Values(
        EncodingCase{"utf8", Encoding::Utf8, Encoding::None,
                     QByteArray("\xEF\xBB\xBF" "a\xC3\xA9\r\n\xE2\x82\xAC")},
        EncodingCase{"utf16le", Encoding::Utf16LE, Encoding::None,
                     QByteArray("\xFF\xFE" "a\0\xE9\0\r\0\n\0\xAC\x20", 12)},
        EncodingCase{"utf16be", Encoding::Utf16BE, Encoding::None,
                     QByteArray("\xFE\xFF\0a\0\xE9\0\r\0\n\x20\xAC", 12)},
        EncodingCase{"ansi", Encoding::Ansi, Encoding::Utf8, QByteArray("a\xE9\r\n\x80")},
        EncodingCase{"western_latin", Encoding::WesternLatin, Encoding::None, QByteArray("a\xE9\r\n\x80")},
        EncodingCase{"none_in_remembered_utf16be", Encoding::None, Encoding::Utf16BE,
                     QByteArray("\xFE\xFF\0a\0\xE9\0\r\0\n\x20\xAC", 12)},
        EncodingCase{"none_with_nothing_remembered", Encoding::None, Encoding::None,
                     QByteArray("a\xE9\r\n\x80")}),
    [](const auto &info) { return std::string(info.param.name); });

class TextSave : public ::testing::Test
{
protected:
    SaveResult save(const QString &text, Encoding encoding, UnicodeWarningAnswer answer,
                    bool nfo = false)
    {
        SaveRequest request{path, encoding, Encoding::None, nfo};
        return SaveTextFile(request, text, [&](Encoding e) {
            asked.push_back(e);
            return answer;
        });
    }

    ScratchFolder scratch;
    QString path = scratch.path(QStringLiteral("out.nfo"));
    std::vector<Encoding> asked;
};

TEST_F(TextSave, NfoWithoutEncodingIsWrittenAsWesternLatin)
{
    const SaveResult r = save(QStringLiteral("\u00DB"), Encoding::None, UnicodeWarningAnswer::Cancel, true);
    EXPECT_EQ(r.encoding, Encoding::WesternLatin);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("\xDB"));
}

TEST_F(TextSave, WarningAnswers)
{
    const QString japanese = QStringLiteral("\u65E5\u672C x");

    scratch.write(QStringLiteral("out.nfo"), "before");
    const SaveResult cancelled = save(japanese, Encoding::Ansi, UnicodeWarningAnswer::Cancel);
    EXPECT_EQ(cancelled.outcome, SaveOutcome::Cancelled);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("before"));

    const SaveResult anyway = save(japanese, Encoding::Ansi, UnicodeWarningAnswer::SaveAnyway);
    EXPECT_EQ(anyway.outcome, SaveOutcome::WrittenAfterWarning);
    EXPECT_EQ(anyway.encoding, Encoding::Ansi);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("?? x"));

    const SaveResult unicode = save(japanese, Encoding::Ansi, UnicodeWarningAnswer::SaveAsUnicode);
    EXPECT_EQ(unicode.outcome, SaveOutcome::WrittenAfterWarning);
    EXPECT_EQ(unicode.encoding, Encoding::Utf8);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC x"));

    // Asked once per save, with the encoding that failed.
    EXPECT_EQ(asked, (std::vector<Encoding>{Encoding::Ansi, Encoding::Ansi, Encoding::Ansi}));
}

TEST_F(TextSave, LettersOfTheCodePageNeedNoWarning)
{
    const SaveResult r = save(QStringLiteral("\u00C4\u00F6\u00FC\u00DF \u20AC"), Encoding::Ansi,
                              UnicodeWarningAnswer::Cancel);
    EXPECT_EQ(r.outcome, SaveOutcome::Written);
    EXPECT_TRUE(asked.empty());
    // The Unicode encodings hold everything.
    EXPECT_EQ(save(QStringLiteral("\u65E5"), Encoding::Utf16LE, UnicodeWarningAnswer::Cancel).outcome,
              SaveOutcome::Written);
    EXPECT_TRUE(asked.empty());
}

TEST_F(TextSave, MissingFolderFailsAndCreatesNothing)
{
    path = scratch.path(QStringLiteral("no/such/out.txt"));
    const SaveResult r = save(QStringLiteral("x"), Encoding::Ansi, UnicodeWarningAnswer::Cancel);
    EXPECT_EQ(r.outcome, SaveOutcome::Failed);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Could not save file: ") + path)) << qPrintable(r.error);
    EXPECT_FALSE(QDir(scratch.path(QStringLiteral("no"))).exists());
}

TEST_F(TextSave, ReadOnlyFileIsLeftExactlyAsItWas)
{
    scratch.write(QStringLiteral("out.nfo"), "original");
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    const SaveResult r = save(QStringLiteral("new"), Encoding::Ansi, UnicodeWarningAnswer::Cancel);
    EXPECT_EQ(r.outcome, SaveOutcome::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("original"));
    EXPECT_EQ(modeOf(path), readOnly);
    EXPECT_EQ(QDir(scratch.folder()).entryList(QDir::Files), QStringList{QStringLiteral("out.nfo")});
}

TEST_F(TextSave, FolderInThePlaceOfTheFileFails)
{
    QDir().mkpath(path);
    EXPECT_EQ(save(QStringLiteral("x"), Encoding::Ansi, UnicodeWarningAnswer::Cancel).outcome,
              SaveOutcome::Failed);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(TextSave, ReplacingKeepsTheFilePermissions)
{
    scratch.write(QStringLiteral("out.nfo"), "old text that is longer");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    EXPECT_EQ(save(QStringLiteral("new"), Encoding::Ansi, UnicodeWarningAnswer::Cancel).outcome,
              SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("new"));
    EXPECT_EQ(modeOf(path), mode);
}

// Load then save with no encoding: the file comes back byte for byte.
TEST(TextRoundTrip, EveryByteOfTheEightBitCodePageSurvivesLoadAndSave)
{
    ScratchFolder scratch;
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all += char(b);
    }
    all += "\r\n";
    TempCopyLocation location({scratch.folder()});
    LoadRequest request;
    request.path = scratch.write(QStringLiteral("all.txt"), all);
    const LoadResult loaded = LoadTextFile(request, location);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.text.size(), all.size());

    SaveRequest save{request.path, loaded.documentEncoding, *loaded.loadEncoding, false};
    const SaveResult saved = SaveTextFile(save, loaded.text, [](Encoding) {
        ADD_FAILURE() << "every character is representable";
        return UnicodeWarningAnswer::Cancel;
    });
    EXPECT_EQ(saved.outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(request.path), all);
}

TEST(TextRoundTrip, DoubledCarriageReturnsAreSavedAsCrLf)
{
    ScratchFolder scratch;
    TempCopyLocation location({scratch.folder()});
    LoadRequest request;
    request.path = scratch.write(QStringLiteral("art.nfo"), "one\r\r\ntwo\nthree\r\r\n");
    const LoadResult loaded = LoadTextFile(request, location);
    ASSERT_TRUE(loaded.ok);
    SaveRequest save{request.path, loaded.documentEncoding, *loaded.loadEncoding, false};
    SaveTextFile(save, loaded.text, [](Encoding) { return UnicodeWarningAnswer::Cancel; });
    EXPECT_EQ(ScratchFolder::read(request.path), QByteArray("one\r\ntwo\r\nthree\r\n"));
}

} // namespace
