#include "text/encodings.h"

#include <gtest/gtest.h>

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

TEST(Encodings, OddLengthUtf16KeepsItsLastByteAsAFlaggedReplacement)
{
    const DecodedText odd = DecodeBytes(QByteArray("A\0B", 3), Encoding::Utf16LE);
    EXPECT_TRUE(odd.invalidBytes);
    EXPECT_EQ(odd.text, QStringLiteral("A\uFFFD"));
}
