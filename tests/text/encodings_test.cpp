#include "text/encodings.h"

#include <gtest/gtest.h>

TEST(Encodings, NamesRoundTripThroughTheDialogList)
{
    for (Encoding e : {Encoding::Ansi, Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE})
        EXPECT_EQ(EncodingFromName(EncodingName(e)), e);
    EXPECT_EQ(EncodingFromName(u""), Encoding::None);
    EXPECT_EQ(EncodingFromName(u"Default"), Encoding::None);
    EXPECT_EQ(EncodingFromName(u"utf-8 (default unicode)"), Encoding::None); // exact match only
    EXPECT_EQ(EncodingName(Encoding::WesternLatin), QStringLiteral("Default"));
    EXPECT_EQ(EncodingName(Encoding::None), QStringLiteral("Default"));
    EXPECT_EQ(EncodingNames().indexOf(EncodingName(Encoding::Utf16BE)), 4);
}

TEST(Encodings, CodePages)
{
    EXPECT_EQ(EncodingCodePage(Encoding::None), 0);
    EXPECT_EQ(EncodingCodePage(Encoding::Ansi), 0);
    EXPECT_EQ(EncodingCodePage(Encoding::Utf8), 65001);
    EXPECT_EQ(EncodingCodePage(Encoding::Utf16LE), 1200);
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
    EXPECT_EQ(text.at(0x81), QChar(0x0081));
    EXPECT_EQ(text.at(0x9D), QChar(0x009D));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9));
    EXPECT_TRUE(IsRepresentable(text, 0));
    EXPECT_EQ(EncodeWindows1252(text), all);
    EXPECT_EQ(EncodeText(DecodeBytes(all, Encoding::Ansi).text, Encoding::WesternLatin), all);
}

TEST(Encodings, UnrepresentableCharactersBecomeQuestionMarks)
{
    const QString text = QStringLiteral("a\u65E5\u0080b\u20AC");
    EXPECT_FALSE(IsRepresentable(text, 0));
    EXPECT_FALSE(IsRepresentable(text, 1252));
    EXPECT_TRUE(IsRepresentable(text, 65001));
    EXPECT_TRUE(IsRepresentable(text, 1200));
    EXPECT_EQ(EncodeWindows1252(text), QByteArray("a??b\x80"));
    EXPECT_TRUE(IsRepresentable(QStringLiteral("\u00C4\u00D6\u00DC\u00DF\u20AC"), 0));
}

TEST(Encodings, ByteOrderMarks)
{
    EXPECT_EQ(ByteOrderMark(Encoding::Utf8), QByteArray("\xEF\xBB\xBF"));
    EXPECT_EQ(ByteOrderMark(Encoding::Utf16LE), QByteArray("\xFF\xFE"));
    EXPECT_EQ(ByteOrderMark(Encoding::Utf16BE), QByteArray("\xFE\xFF"));
    EXPECT_TRUE(ByteOrderMark(Encoding::Ansi).isEmpty());
    EXPECT_EQ(EncodingOfByteOrderMark("\xEF\xBB"), Encoding::None);
    EXPECT_EQ(EncodingOfByteOrderMark("\xFE\xFF\x00"), Encoding::Utf16BE);
}

TEST(Encodings, DecodingFlagsBrokenUnicode)
{
    EXPECT_FALSE(DecodeBytes("a\xC3\xA9", Encoding::Utf8).invalidBytes);
    const DecodedText bad = DecodeBytes("a\xE9z", Encoding::Utf8);
    EXPECT_TRUE(bad.invalidBytes);
    EXPECT_EQ(bad.text, QStringLiteral("a\uFFFDz"));
    // Odd length: the lone last byte must not vanish silently.
    const DecodedText odd = DecodeBytes(QByteArray("A\0B", 3), Encoding::Utf16LE);
    EXPECT_TRUE(odd.invalidBytes);
    EXPECT_EQ(odd.text, QStringLiteral("A\uFFFD"));
    // A second byte order mark is part of the text.
    EXPECT_EQ(DecodeBytes("\xEF\xBB\xBFx", Encoding::Utf8).text, QStringLiteral("\uFEFFx"));
    EXPECT_EQ(EncodeText(u"\u00E9", Encoding::Utf16BE), QByteArray("\x00\xE9", 2));
}
