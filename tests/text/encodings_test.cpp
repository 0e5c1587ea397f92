#include "filehelpers.h"
#include "text/encodings.h"

#include <gtest/gtest.h>
#include <random>

TEST(Encodings, NamesAndCodePages)
{
    for (Encoding e : { Encoding::Ansi, Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE })
        EXPECT_EQ(EncodingFromName(EncodingName(e)), e);
    EXPECT_EQ(EncodingFromName(u"utf-8 (default unicode)"), Encoding::None); // exact match only
    EXPECT_EQ(EncodingName(Encoding::WesternLatin), QStringLiteral("Default"));
    EXPECT_EQ(EncodingCodePage(Encoding::Ansi), 0);
    EXPECT_EQ(EncodingCodePage(Encoding::Utf16BE), 1201);
    EXPECT_EQ(EncodingCodePage(Encoding::WesternLatin), 1252);
}

TEST(Encodings, EveryByteRoundTripsThroughTheEightBitCodePage)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x81), QChar(0x0081)); // undefined in 1252
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_TRUE(IsRepresentable(text, 0));
    EXPECT_EQ(EncodeText(text, Encoding::WesternLatin), all);
}

TEST(Encodings, UnrepresentableCharactersBecomeQuestionMarks)
{
    const QString text = QStringLiteral("a\u65E5\u0080b\u20AC");
    EXPECT_FALSE(IsRepresentable(text, 1252));
    EXPECT_TRUE(IsRepresentable(text, 65001));
    EXPECT_EQ(EncodeWindows1252(text), QByteArray("a??b\x80"));
}

// Long runs of ASCII go faster than the rest; every character must still
// come out as it does alone, wherever it stands.
TEST(Encodings, EightBitTextMatchesCharacterByCharacter)
{
    const QString units = QStringLiteral("ab \r\n~\u00E9\u20AC\u0080\u0081\u009F\u65E5");
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int n = int(random() % 80); n > 0; --n)
            text += random() % 8 == 0 ? units[int(random() % units.size())]
                                      : QChar(char16_t(u'a' + random() % 26));
        QByteArray expected;
        bool representable = true;
        for (QChar c : text) {
            expected += EncodeWindows1252(QStringView(&c, 1));
            representable = representable && IsWindows1252Representable(QStringView(&c, 1));
        }
        ASSERT_EQ(EncodeWindows1252(text), expected) << text.toStdString();
        QString decoded;
        for (char b : expected)
            decoded += DecodeWindows1252(QByteArrayView(&b, 1));
        ASSERT_EQ(DecodeWindows1252(expected), decoded);
        ASSERT_EQ(IsWindows1252Representable(text), representable) << text.toStdString();
    }
}

struct Utf8Case
{
    const char *name;
    QByteArray bytes;
    QString text;
    bool invalid;
};

class Utf8Escapes : public ::testing::TestWithParam<Utf8Case>
{
};

// Each byte that is not valid UTF-8 stays in the text as U+DC00 + byte and
// is written back as itself.
TEST_P(Utf8Escapes, DecodeAndEncodeBack)
{
    const DecodedText decoded = DecodeBytes(GetParam().bytes, Encoding::Utf8);
    EXPECT_EQ(decoded.text, GetParam().text);
    EXPECT_EQ(decoded.invalidBytes, GetParam().invalid);
    EXPECT_EQ(EncodeText(decoded.text, Encoding::Utf8), GetParam().bytes);
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), !GetParam().invalid);
}

INSTANTIATE_TEST_SUITE_P(Encodings, Utf8Escapes,
    ::testing::Values(Utf8Case { "ascii", "plain", QStringLiteral("plain"), false },
        Utf8Case { "box_and_accent", "caf\xC3\xA9 \xE2\x95\x94", QStringLiteral("caf\u00E9 \u2554"),
            false },
        Utf8Case { "four_bytes", "\xF0\x9F\x98\x80", QStringLiteral("\U0001F600"), false },
        Utf8Case { "latin1_byte", "caf\xE9!", WithEscapes(QStringLiteral("caf~E9!")), true },
        Utf8Case { "lone_continuation", "\x80\xBF", WithEscapes(QStringLiteral("~80~BF")), true },
        Utf8Case { "cut_at_the_end", "a\xE2\x82", WithEscapes(QStringLiteral("a~E2~82")), true },
        Utf8Case { "cut_before_ascii", "\xE2\x82x", WithEscapes(QStringLiteral("~E2~82x")), true },
        Utf8Case { "overlong", "\xC0\xAF\xE0\x80\xAF",
            WithEscapes(QStringLiteral("~C0~AF~E0~80~AF")), true },
        // An encoded surrogate would read back as an escaped byte of its own.
        Utf8Case {
            "encoded_surrogate", "\xED\xB2\x80", WithEscapes(QStringLiteral("~ED~B2~80")), true },
        Utf8Case { "above_u10ffff", "\xF4\x90\x80\x80", WithEscapes(QStringLiteral("~F4~90~80~80")),
            true },
        Utf8Case { "nul_is_text", QByteArray("a\0b", 3), QString::fromUtf16(u"a\0b", 3), false }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Encodings, EscapedBytesNeedTheWarningOnlyForTheEightBitCodePage)
{
    const QString text = DecodeBytes("bad\xE9", Encoding::Utf8).text;
    EXPECT_FALSE(IsRepresentable(text, 0));
    EXPECT_FALSE(IsRepresentable(text, 1252));
    EXPECT_TRUE(IsRepresentable(text, 65001));
    EXPECT_TRUE(IsRepresentable(text, 1200));
    // UTF-16 keeps the code unit, so a later UTF-8 save still has the byte.
    const QByteArray utf16 = EncodeText(text, Encoding::Utf16BE);
    EXPECT_EQ(utf16, QByteArray("\0b\0a\0d\xDC\xE9", 8));
    EXPECT_EQ(EncodeText(DecodeBytes(utf16, Encoding::Utf16BE).text, Encoding::Utf8), "bad\xE9");
    // Other lone surrogates have no byte to go back to.
    EXPECT_EQ(EncodeText(QString(QChar(0xD800)), Encoding::Utf8), "\xEF\xBF\xBD");
}

TEST(Encodings, Utf16KeepsLoneSurrogates)
{
    const QByteArray bytes("\x00\xD8x\0\xFF\xDF\x3D\xD8\x00\xDE", 10);
    const DecodedText decoded = DecodeBytes(bytes, Encoding::Utf16LE);
    EXPECT_FALSE(decoded.invalidBytes);
    EXPECT_EQ(decoded.text.size(), 5);
    EXPECT_EQ(EncodeText(decoded.text, Encoding::Utf16LE), bytes);
}

TEST(Encodings, OddLengthUtf16KeepsItsLastByteAsAFlaggedReplacement)
{
    const DecodedText odd = DecodeBytes(QByteArray("A\0B", 3), Encoding::Utf16LE);
    EXPECT_TRUE(odd.invalidBytes);
    EXPECT_EQ(odd.text, QStringLiteral("A\uFFFD"));
}
