#include "settings/inifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString S = u"Settings"_s;

// The one-pass reader used for many reads must answer as the document does.
QString valueIn(const QByteArray &bytes, const QString &key, const QString &section = S)
{
    const QString value = IniDocument::fromBytes(bytes).value(section, key).value_or(u"<none>"_s);
    EXPECT_EQ(IniSection(bytes, section).value(key).value_or(u"<none>"_s), value)
        << qPrintable(key);
    return value;
}

QByteArray utf16(QStringView text)
{
    return "\xFF\xFE"_ba
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

TEST(IniFile, NewFileHasExactBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"settings.ini"_s);
    writeIniValue(path, S, u"wordWrap"_s, u"1"_s);
    writeIniValue(path, S, u"textColor"_s, u"255"_s);
    writeIniValue(path, S, u"wordWrap"_s, u"0"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), utf16(u"[Settings]\r\nwordWrap=0\r\ntextColor=255\r\n\r\n"));
}

TEST(IniDocument, ReadingRules)
{
    const QByteArray text = "junk=before any section\r\n[Other]\r\nwordWrap=other\r\n"
                            "  [ settings ]  \r\n; wordWrap=commented\r\n"
                            "  WORDWRAP  =   a = b  \r\nwordWrap=second copy\r\n"
                            "no equals sign\r\nempty=\r\n";
    EXPECT_EQ(valueIn(text, u"wordwrap"_s), u"a = b");
    EXPECT_EQ(valueIn(text, u"empty"_s), u"");
    EXPECT_EQ(valueIn(text, u"junk"_s), u"<none>");
    EXPECT_EQ(valueIn(text, u"wordWrap"_s, u"OTHER"_s), u"other");
    EXPECT_EQ(valueIn(text, u"no equals sign"_s), u"<none>");
}

// Regression: no-break and ideographic spaces were trimmed as if they were blanks.
TEST(IniDocument, OnlySpacesAndTabsAreTrimmed)
{
    const QString nbsp = u"\u00A0"_s;
    const QString ideographic = u"\u3000"_s;
    const QByteArray text = utf16(u"[Settings]\r\n\t a \t= \u00A0x\u3000 \r\n"
                                  u"\u00A0b=1\r\n[Other]\r\n\u3000[Settings]=2\r\n");
    EXPECT_EQ(valueIn(text, u"a"_s), nbsp + u"x"_s + ideographic);
    EXPECT_EQ(valueIn(text, u"b"_s), u"<none>");
    EXPECT_EQ(valueIn(text, nbsp + u"b"_s), u"1");
    EXPECT_EQ(valueIn(text, ideographic + u"[Settings]"_s, u"Other"_s), u"2");

    IniDocument document = IniDocument::fromBytes(text);
    document.setValue(S, u"c"_s, nbsp);
    EXPECT_EQ(valueIn(document.toBytes(), u"c"_s), nbsp);
}

TEST(IniSection, OnlyTheFirstSectionOfANameCounts)
{
    const QByteArray text = "[settings]\nA=1\n[Other]\nA=2\n[SETTINGS]\nA=3\nB=4\n";
    EXPECT_EQ(valueIn(text, u"a"_s), u"1");
    EXPECT_EQ(valueIn(text, u"b"_s), u"<none>");
    EXPECT_EQ(valueIn(text, u"a"_s, u"other"_s), u"2");
    EXPECT_EQ(valueIn(QByteArray(), u"a"_s), u"<none>");
}

TEST(IniDocument, ChangesTouchOnlyTheirOwnLine)
{
    IniDocument document = IniDocument::fromBytes("; kept\n[Settings]\nA=1\n\n[Other]\nB=2\n");
    document.setValue(S, u"a"_s, u"3"_s);
    document.setValue(S, u"C"_s, u"4"_s);
    document.setValue(u"New"_s, u"D"_s, u"5"_s);
    document.removeKey(u"other"_s, u"b"_s);
    EXPECT_EQ(document.toBytes(),
        "; kept\r\n[Settings]\r\na=3\r\nC=4\r\n\r\n[Other]\r\n\r\n[New]\r\nD=5\r\n\r\n"_ba);
    // A line break in a value must not forge a key of its own.
    document.setValue(S, u"prefixString"_s, u"x\r\nsaveToIni=0"_s);
    EXPECT_FALSE(document.value(S, u"saveToIni"_s).has_value());
}

TEST(IniDocument, EightBitAndUtf8FilesKeepTheirEncodingUntilTheyCannot)
{
    IniDocument latin = IniDocument::fromBytes("[Settings]\r\nname=caf\xE9\r\n");
    EXPECT_EQ(latin.value(S, u"name"_s), u"caf\u00E9"_s);
    latin.setValue(S, u"x"_s, u"\u00FC"_s);
    EXPECT_EQ(latin.toBytes(), "[Settings]\r\nname=caf\xE9\r\nx=\xFC\r\n"_ba);
    // The 8-bit code page is Windows-1252: 0x80 is the euro sign both ways.
    latin.setValue(S, u"euro"_s, u"\u20AC"_s);
    EXPECT_TRUE(latin.toBytes().endsWith("euro=\x80\r\n"));
    EXPECT_EQ(valueIn("[Settings]\r\nname=\x80\x9C\r\n"_ba, u"name"_s), u"\u20AC\u0153");
    // A character 8 bits cannot hold turns the file into UTF-16 rather than a "?".
    latin.setValue(S, u"x"_s, u"\u20AC\u4E2D"_s);
    EXPECT_TRUE(latin.toBytes().startsWith("\xFF\xFE"));
    EXPECT_EQ(valueIn(latin.toBytes(), u"x"_s), u"\u20AC\u4E2D");
    EXPECT_EQ(valueIn(latin.toBytes(), u"name"_s), u"caf\u00E9");

    EXPECT_EQ(valueIn("[Settings]\nname=\xE4\xB8\xAD\n", u"name"_s), u"\u4E2D");
    EXPECT_EQ(valueIn(utf16(u"[Settings]\r\nname=\u4E2D\r\n"), u"name"_s), u"\u4E2D");
}

// Regression: an 8-bit file rewritten with bytes that form valid UTF-8 read back as other text.
TEST(IniDocument, AnEightBitRewriteThatWouldReadAsUtf8BecomesUtf16)
{
    IniDocument latin = IniDocument::fromBytes("[Settings]\r\nname=caf\xE9\r\n");
    latin.setValue(S, u"name"_s, u"\u00C3\u00A9"_s);
    EXPECT_EQ(valueIn(latin.toBytes(), u"name"_s), u"\u00C3\u00A9");
    EXPECT_TRUE(latin.toBytes().startsWith("\xFF\xFE"));
}

TEST(IniDocument, BinaryGarbageAndLongLinesSurviveAChange)
{
    QByteArray garbage("\x00\x01\xFF\x80[Settings\x00]\r\n=\r\n[\r\n", 24);
    for (int i = 0; i < 300; ++i)
        garbage += char(i * 31 % 256 == '\n' ? 'x' : i * 31); // line ends become CR LF
    IniDocument document = IniDocument::fromBytes(garbage);
    EXPECT_FALSE(document.value(S, u"k"_s).has_value());
    const QString longValue(200000, u'v');
    document.setValue(S, u"k"_s, longValue);
    EXPECT_EQ(valueIn(document.toBytes(), u"k"_s), longValue);
    EXPECT_TRUE(document.toBytes().startsWith(garbage)); // what could not be read is still there
}

} // namespace
