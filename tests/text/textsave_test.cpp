#include "filehelpers.h"
#include "text/fileform.h"
#include "text/textload.h"
#include "text/textsave.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <random>
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
        GetParam().loadEncoding, false, {} };
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
        return SaveTextFile({ path, encoding, Encoding::None, false, {} }, text, [&](Encoding e) {
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
    const SaveResult r
        = SaveTextFile({ missing, Encoding::Ansi, Encoding::None, false, {} }, u"x", {});
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
    const SaveResult saved
        = SaveTextFile({ path, loaded.documentEncoding, *loaded.loadEncoding, false, loaded.form },
            loaded.text, {});
    EXPECT_EQ(saved.outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(path), all);
}

// Regression: an LF file came back with CR LF after one edit.
TEST_F(TextSave, LineEndsGoBackInTheLoadedForm)
{
    const QString text = QStringLiteral("#!/bin/sh\r\necho \u00E9\r\nlone\rcr\r\r\n");
    SaveRequest request { path, Encoding::Utf8, Encoding::None, false, {} };
    request.form.lineEnds = LineEnds::Lf;
    EXPECT_EQ(SaveTextFile(request, text, {}).outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(path), "\xEF\xBB\xBF#!/bin/sh\necho \xC3\xA9\nlone\rcr\r\n");
    request.form.lineEnds = LineEnds::CrLf;
    request.encoding = Encoding::Ansi;
    EXPECT_EQ(SaveTextFile(request, text, {}).outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(path), "#!/bin/sh\r\necho \xE9\r\nlone\rcr\r\r\n");
}

// A UTF-8 script without a mark must not get one: it would break its first line.
TEST_F(TextSave, FileWithoutAByteOrderMarkGetsNoneInItsOwnEncoding)
{
    FileForm form;
    form.lineEnds = LineEnds::Lf;
    form.unmarked = Encoding::Utf8;
    EXPECT_EQ(EncodeForSave(u"#!/bin/sh\r\n\u00E9", Encoding::Utf8, Encoding::None, form),
        "#!/bin/sh\n\xC3\xA9");
    EXPECT_EQ(EncodeForSave(u"x", Encoding::None, Encoding::Utf8, form), "x");
    // Another encoding is a conversion: its mark is written.
    EXPECT_EQ(
        EncodeForSave(u"x", Encoding::Utf16LE, Encoding::Utf8, form), QByteArray("\xFF\xFEx\0", 4));
    EXPECT_EQ(EncodeForSave(u"x", Encoding::Utf8, Encoding::Utf8, {}), "\xEF\xBB\xBFx");
}

TEST_F(TextSave, EscapedBytesWarnForTheEightBitCodePageAndSurviveUnicode)
{
    const QString text = WithEscapes(QStringLiteral("bad~E9"));
    EXPECT_EQ(save(text, Encoding::Utf8).outcome, SaveOutcome::Written);
    EXPECT_EQ(ScratchFolder::read(path),
        "\xEF\xBB\xBF"
        "bad\xE9");
    const SaveResult unicode = save(text, Encoding::Ansi, UnicodeWarningAnswer::SaveAsUnicode);
    EXPECT_EQ(unicode.outcome, SaveOutcome::WrittenAfterWarning);
    EXPECT_EQ(ScratchFolder::read(path),
        "\xEF\xBB\xBF"
        "bad\xE9");
    EXPECT_EQ(asked, std::vector<Encoding> { Encoding::Ansi });
}

// Load with an encoding, save unchanged: the bytes come back, given line
// breaks in one form and no doubled carriage returns.
struct RoundTripCase
{
    const char *name;
    Encoding encoding; // chosen when loading; None lets detection decide
    const char *lineBreak;
};

class ByteRoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
protected:
    // Random bytes, or random UTF-16 units (and at times an odd last byte),
    // with every CR and LF replaced by the case's line break.
    QByteArray randomBody(std::mt19937 &random) const
    {
        const RoundTripCase &c = GetParam();
        const bool utf16 = IsUtf16(c.encoding);
        const Encoding unitOrder = c.encoding;
        std::uniform_int_distribution<int> length(0, 300);
        std::uniform_int_distribution<int> byte(c.encoding == Encoding::None ? 1 : 0, 255);
        std::uniform_int_distribution<int> pick(0, 9);
        const QString breakText = QString::fromLatin1(c.lineBreak);
        const QByteArray breakBytes
            = utf16 ? EncodeText(breakText, unitOrder) : breakText.toLatin1();
        QByteArray body;
        for (int n = length(random); n > 0; --n) {
            QByteArray unit;
            const int kind = pick(random);
            if (kind == 0) {
                body += breakBytes;
                continue;
            }
            // Mostly high bytes and lead bytes: they make the hard cases.
            for (int k = 0; k < (utf16 ? 2 : 1); ++k)
                unit += char(kind < 4 ? 0x80 + byte(random) / 2 : byte(random));
            const QString asText = utf16 ? DecodeBytes(unit, unitOrder).text : QString();
            const bool isBreak
                = utf16 ? (asText == u"\r" || asText == u"\n") : (unit == "\r" || unit == "\n");
            body += isBreak ? breakBytes : unit;
        }
        if (utf16 && pick(random) == 0)
            body += char(byte(random));
        return body;
    }
};

TEST_P(ByteRoundTrip, SavedUnchangedGivesTheBytesBack)
{
    const RoundTripCase &c = GetParam();
    ScratchFolder scratch;
    TempCopyLocation location({ scratch.folder() });
    std::mt19937 random(20261210);
    for (int i = 0; i < 200; ++i) {
        // Half with the encoding's byte order mark, half without.
        const QByteArray bytes
            = (i % 2 ? ByteOrderMark(c.encoding) : QByteArray()) + randomBody(random);
        const QString path = scratch.write(QStringLiteral("in.txt"), bytes);
        const LoadResult loaded = LoadTextFile({ path, c.encoding }, location);
        ASSERT_TRUE(loaded.ok) << qPrintable(loaded.error);
        ASSERT_FALSE(loaded.nulPath);
        ASSERT_TRUE(IsRepresentable(loaded.text, EncodingCodePage(loaded.documentEncoding)));
        const QByteArray encoded = EncodeForSave(
            loaded.text, loaded.documentEncoding, *loaded.loadEncoding, loaded.form);
        ASSERT_EQ(encoded.toHex(' '), bytes.toHex(' ')) << "case " << i;
        if (i >= 10)
            continue; // a real save is slow for its sync; a few show the whole way
        const SaveRequest request { path, loaded.documentEncoding, *loaded.loadEncoding, false,
            loaded.form };
        const SaveResult saved = SaveTextFile(request, loaded.text, [](Encoding) {
            ADD_FAILURE() << "no warning expected";
            return UnicodeWarningAnswer::Cancel;
        });
        ASSERT_EQ(saved.outcome, SaveOutcome::Written);
        ASSERT_EQ(ScratchFolder::read(path).toHex(' '), bytes.toHex(' ')) << "case " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(TextSave, ByteRoundTrip,
    ::testing::Values(RoundTripCase { "eight_bit_crlf", Encoding::Ansi, "\r\n" },
        RoundTripCase { "eight_bit_lf", Encoding::Ansi, "\n" },
        RoundTripCase { "utf8_crlf", Encoding::Utf8, "\r\n" },
        RoundTripCase { "utf8_lf", Encoding::Utf8, "\n" },
        RoundTripCase { "utf16le_crlf", Encoding::Utf16LE, "\r\n" },
        RoundTripCase { "utf16be_lf", Encoding::Utf16BE, "\n" },
        RoundTripCase { "detected_crlf", Encoding::None, "\r\n" },
        RoundTripCase { "detected_lf", Encoding::None, "\n" }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

// Only the CR of a CR LF pair goes; lone CRs and LFs stay, at any place.
TEST(WithLineEnds, LfDropsTheCrOfEveryPair)
{
    std::mt19937 random(13);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int n = int(random() % 40); n > 0; --n)
            text += QChar(u"ab\r\n"[random() % 4]);
        QString expected;
        for (qsizetype i = 0; i < text.size(); ++i)
            if (!(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n'))
                expected += text[i];
        ASSERT_EQ(WithLineEnds(text, LineEnds::Lf), expected);
        ASSERT_EQ(WithLineEnds(text, LineEnds::CrLf), text);
    }
}

} // namespace
