#include "settings/inifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString S = QStringLiteral("Settings");

QByteArray utf16(const char16_t *text)
{
    return IniDocument::fromBytes(QByteArray("\xFF\xFE", 2)).toBytes()
        + QByteArray(reinterpret_cast<const char *>(text), std::char_traits<char16_t>::length(text) * 2);
}

QString valueIn(const QByteArray &bytes, const QString &key, const QString &section = S)
{
    return IniDocument::fromBytes(bytes).value(section, key).value_or(QStringLiteral("<none>"));
}

class IniFileTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("settings.ini")); }
    void put(const QByteArray &bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(IniFileTest, NewFileHasExactBytes)
{
    ASSERT_TRUE(writeIniValue(path(), S, QStringLiteral("wordWrap"), QStringLiteral("1")).ok);
    ASSERT_TRUE(writeIniValue(path(), S, QStringLiteral("textColor"), QStringLiteral("255")).ok);
    ASSERT_TRUE(writeIniValue(path(), S, QStringLiteral("wordWrap"), QStringLiteral("0")).ok);
    const char16_t expected[] = u"[Settings]\r\nwordWrap=0\r\ntextColor=255\r\n\r\n";
    EXPECT_EQ(bytes(), QByteArray("\xFF\xFE", 2)
                           + QByteArray(reinterpret_cast<const char *>(expected), sizeof expected - 2));
}

TEST(IniDocument, ReadingRules)
{
    const QByteArray text = "junk=before any section\r\n"
                            "[Other]\r\nwordWrap=other\r\n"
                            "  [ settings ]  \r\n"
                            "; wordWrap=commented\r\n"
                            "  WORDWRAP  =   a = b  \r\n"
                            "wordWrap=second copy\r\n"
                            "no equals sign\r\n"
                            "empty=\r\n";
    EXPECT_EQ(valueIn(text, QStringLiteral("wordwrap")), u"a = b");
    EXPECT_EQ(valueIn(text, QStringLiteral("empty")), u"");
    EXPECT_EQ(valueIn(text, QStringLiteral("junk")), u"<none>");
    EXPECT_EQ(valueIn(text, QStringLiteral("wordWrap"), QStringLiteral("OTHER")), u"other");
    EXPECT_EQ(valueIn(text, QStringLiteral("no equals sign")), u"<none>");
}

TEST(IniDocument, ChangesTouchOnlyTheirOwnLine)
{
    IniDocument document = IniDocument::fromBytes("; kept\n[Settings]\nA=1\n\n[Other]\nB=2\n");
    document.setValue(S, QStringLiteral("a"), QStringLiteral("3"));
    document.setValue(S, QStringLiteral("C"), QStringLiteral("4"));
    document.setValue(QStringLiteral("New"), QStringLiteral("D"), QStringLiteral("5"));
    document.removeKey(QStringLiteral("other"), QStringLiteral("b"));
    EXPECT_EQ(document.toBytes(), QByteArray("; kept\r\n[Settings]\r\na=3\r\nC=4\r\n\r\n[Other]\r\n\r\n[New]\r\nD=5\r\n\r\n"));
}

TEST(IniDocument, LineBreakInAValueCannotForgeAnotherKey)
{
    IniDocument document;
    document.setValue(S, QStringLiteral("prefixString"), QStringLiteral("x\r\nsaveToIni=0"));
    EXPECT_FALSE(document.value(S, QStringLiteral("saveToIni")).has_value());
    EXPECT_EQ(document.value(S, QStringLiteral("prefixString")), QStringLiteral("x  saveToIni=0"));
}

TEST(IniDocument, EightBitAndUtf8FilesKeepTheirEncodingUntilTheyCannot)
{
    IniDocument latin = IniDocument::fromBytes("[Settings]\r\nname=caf\xE9\r\n");
    EXPECT_EQ(latin.value(S, QStringLiteral("name")), QStringLiteral("caf\u00E9"));
    latin.setValue(S, QStringLiteral("x"), QStringLiteral("\u00FC"));
    EXPECT_EQ(latin.toBytes(), QByteArray("[Settings]\r\nname=caf\xE9\r\nx=\xFC\r\n"));
    // A character 8 bits cannot hold turns the file into UTF-16 rather than a "?".
    latin.setValue(S, QStringLiteral("x"), QStringLiteral("\u20AC\u4E2D"));
    EXPECT_EQ(valueIn(latin.toBytes(), QStringLiteral("x")), QStringLiteral("\u20AC\u4E2D"));
    EXPECT_EQ(valueIn(latin.toBytes(), QStringLiteral("name")), QStringLiteral("caf\u00E9"));
    EXPECT_TRUE(latin.toBytes().startsWith("\xFF\xFE"));

    const QByteArray utf8 = "[Settings]\nname=\xE4\xB8\xAD\n";
    EXPECT_EQ(valueIn(utf8, QStringLiteral("name")), QStringLiteral("\u4E2D"));
    EXPECT_EQ(IniDocument::fromBytes(utf8).encoding(), TextEncoding::Utf8);
    EXPECT_EQ(valueIn(utf16(u"[Settings]\r\nname=\u4E2D\r\n"), QStringLiteral("name")),
              QStringLiteral("\u4E2D"));
}

TEST_F(IniFileTest, BinaryGarbageAndLongLinesSurviveAWrite)
{
    QByteArray garbage("\x00\x01\xFF\x80[Settings\x00]\r\n=\r\n[\r\n", 24);
    for (int i = 0; i < 300; ++i)
        garbage += char(i * 31 % 256 == '\n' ? 'x' : i * 31); // line ends become CR LF
    put(garbage);
    EXPECT_FALSE(readIniValue(path(), S, QStringLiteral("k")).has_value());
    const QString longValue(200000, QLatin1Char('v'));
    ASSERT_TRUE(writeIniValue(path(), S, QStringLiteral("k"), longValue).ok);
    EXPECT_EQ(readIniValue(path(), S, QStringLiteral("k")), longValue);
    EXPECT_TRUE(bytes().startsWith(garbage)); // the bytes we could not read are still there
}

TEST_F(IniFileTest, ReadOnlyFileIsRefusedAndMissingFolderFails)
{
    put("[Settings]\r\na=1\r\n");
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    const IniResult refused = writeIniValue(path(), S, QStringLiteral("a"), QStringLiteral("2"));
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_EQ(readIniValue(path(), S, QStringLiteral("a")), QStringLiteral("1"));

    const IniResult noFolder = writeIniValue(dir.filePath(QStringLiteral("none/settings.ini")), S,
                                             QStringLiteral("a"), QStringLiteral("2"));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(noFolder.error.isEmpty());
}

TEST_F(IniFileTest, WriteTestLeavesTheFileAsItWas)
{
    ASSERT_TRUE(writeIniValue(path(), S, QStringLiteral("a"), QStringLiteral("1")).ok);
    const QByteArray before = bytes();
    EXPECT_TRUE(writeAndRemoveIniKey(path(), S, QStringLiteral("iniFileTest"), QStringLiteral("0")).ok);
    EXPECT_EQ(bytes(), before);
}

} // namespace
