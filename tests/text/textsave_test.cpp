#include "filehelpers.h"
#include "text/textload.h"
#include "text/textsave.h"

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
    const SaveRequest request { scratch.path(QStringLiteral("out.txt")), GetParam().encoding,
        GetParam().loadEncoding, false };
    const SaveResult r = SaveTextFile(request, u"a\u00E9\r\n\u20AC", [](Encoding) {
        ADD_FAILURE() << "no warning expected";
        return UnicodeWarningAnswer::Cancel;
    });
    EXPECT_EQ(r.outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(request.path), GetParam().expected);
}

const QByteArray utf16be("\xFE\xFF\0a\0\xE9\0\r\0\n\x20\xAC", 12);

INSTANTIATE_TEST_SUITE_P(TextSave, SaveBytes,
    ::testing::Values(EncodingCase { "utf8", Encoding::Utf8, Encoding::None,
                          "\xEF\xBB\xBF"
                          "a\xC3\xA9\r\n\xE2\x82\xAC" },
        EncodingCase { "utf16le", Encoding::Utf16LE, Encoding::None,
            QByteArray("\xFF\xFE"
                       "a\0\xE9\0\r\0\n\0\xAC\x20",
                12) },
        EncodingCase { "utf16be", Encoding::Utf16BE, Encoding::None, utf16be },
        EncodingCase { "ansi", Encoding::Ansi, Encoding::Utf8, "a\xE9\r\n\x80" },
        EncodingCase { "western_latin", Encoding::WesternLatin, Encoding::None, "a\xE9\r\n\x80" },
        EncodingCase { "none_in_remembered_utf16be", Encoding::None, Encoding::Utf16BE, utf16be },
        EncodingCase {
            "none_with_nothing_remembered", Encoding::None, Encoding::None, "a\xE9\r\n\x80" }),
    [](const auto &info) { return std::string(info.param.name); });

class TextSave : public ::testing::Test
{
protected:
    SaveResult save(const QString &text, Encoding encoding,
        UnicodeWarningAnswer answer = UnicodeWarningAnswer::Cancel)
    {
        return SaveTextFile({ path, encoding, Encoding::None, false }, text, [&](Encoding e) {
            asked.push_back(e);
            return answer;
        });
    }

    ScratchFolder scratch;
    QString path = scratch.write(QStringLiteral("out.nfo"), "original");
    std::vector<Encoding> asked;
};

TEST_F(TextSave, WarningAnswers)
{
    const QString japanese = QStringLiteral("\u65E5\u672C x");
    EXPECT_EQ(save(japanese, Encoding::Ansi).outcome, SaveOutcome::Cancelled);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("original"));

    const SaveResult anyway = save(japanese, Encoding::Ansi, UnicodeWarningAnswer::SaveAnyway);
    EXPECT_EQ(anyway.outcome, SaveOutcome::WrittenAfterWarning);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("?? x"));

    const SaveResult unicode = save(japanese, Encoding::Ansi, UnicodeWarningAnswer::SaveAsUnicode);
    EXPECT_EQ(unicode.outcome, SaveOutcome::WrittenAfterWarning);
    EXPECT_EQ(unicode.encoding, Encoding::Utf8);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC x"));
    EXPECT_EQ(asked, (std::vector<Encoding>(3, Encoding::Ansi)));

    // Letters of the code page need no warning.
    EXPECT_EQ(
        save(QStringLiteral("\u00C4\u00DF \u20AC"), Encoding::Ansi).outcome, SaveOutcome::Written);
    EXPECT_EQ(asked.size(), 3u);
}

TEST_F(TextSave, FailedSavesLeaveEverythingAsItWas)
{
    const QString missing = scratch.path(QStringLiteral("no/such/out.txt"));
    const SaveResult r = SaveTextFile({ missing, Encoding::Ansi, Encoding::None, false }, u"x", {});
    EXPECT_EQ(r.outcome, SaveOutcome::Failed);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Could not save file: ") + missing))
        << qPrintable(r.error);
    EXPECT_FALSE(QDir(scratch.path(QStringLiteral("no"))).exists());

    // Read-only is refused even for root, who could rename over it.
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    EXPECT_EQ(save(QStringLiteral("new"), Encoding::Ansi).outcome, SaveOutcome::Failed);
    EXPECT_EQ(ScratchFolder::read(path), QByteArray("original"));
    EXPECT_EQ(modeOf(path), readOnly);
    EXPECT_EQ(
        QDir(scratch.folder()).entryList(QDir::Files), QStringList { QStringLiteral("out.nfo") });
}

TEST_F(TextSave, ReplacingKeepsTheFilePermissions)
{
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    EXPECT_EQ(save(QStringLiteral("new"), Encoding::Ansi).outcome, SaveOutcome::Written);
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
    TempCopyLocation location({ scratch.folder() });
    const QString path = scratch.write(QStringLiteral("all.txt"), all);
    const LoadResult loaded = LoadTextFile({ path }, location);
    ASSERT_TRUE(loaded.ok);
    const SaveResult saved = SaveTextFile(
        { path, loaded.documentEncoding, *loaded.loadEncoding, false }, loaded.text, {});
    EXPECT_EQ(saved.outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(path), all);
}

} // namespace
