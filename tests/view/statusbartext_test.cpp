#include "view/statusbartext.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusBarText, CaretPositionCountsFromOne)
{
    EXPECT_EQ(CaretPositionText(0, 0), u"Ln: 1, Col: 1");
    // Far beyond the 16-bit positions of old.
    EXPECT_EQ(CaretPositionText(199999, 70000), u"Ln: 200000, Col: 70001");
}

TEST(StatusBarText, SelectionLengthLeavesOutLineBreaks)
{
    const StringEditSource source(QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(SelectionLengthText({ source, 6, 0 }), u"Sel: 4");
    EXPECT_EQ(SelectionLengthText({ source, 2, 2 }), u"Sel: 0");
}

TEST(StatusBarText, SelectionOf5000IsNotCounted)
{
    const StringEditSource source(QString(5000, u'a'));
    EXPECT_EQ(SelectionLengthText({ source, 0, 4999 }), u"Sel: 4999");
    EXPECT_EQ(SelectionLengthText({ source, 0, 5000 }), u"Sel: -");
}

struct SizeCase
{
    quint32 size;
    const char16_t *text;
};

class FileSize : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(FileSize, TruncatedToOneDecimal)
{
    EXPECT_EQ(FileSizeText(GetParam().size), QStringView(GetParam().text));
}

const SizeCase sizes[] = {
    { 0, u"0 byte " },
    { 17, u"17 byte " },
    { 1024, u"1024 byte " },
    { 1025, u"1.0 KB " },
    { 1536, u"1.5 KB " },
    { 2047, u"1.9 KB " },
    { 1048576, u"1024.0 KB " },
    { 1048577, u"1.0 MB " },
    { 10 * 1048576 - 1, u"9.9 MB " },
};

INSTANTIATE_TEST_SUITE_P(Cases, FileSize, ::testing::ValuesIn(sizes),
    [](const ::testing::TestParamInfo<SizeCase> &info) {
        return "bytes_" + std::to_string(info.param.size);
    });

TEST(StatusBarText, FileSizeOfMissingFileIsEmpty)
{
    EXPECT_EQ(FileSizeTextOf(QString()), u"");
    EXPECT_EQ(FileSizeTextOf(QStringLiteral("/no/such/file")), u"");
}

TEST(StatusBarText, UnicodeIndicatorOnlyForUnicode)
{
    EXPECT_EQ(UnicodeIndicatorText(Encoding::Utf16BE), u"UTF-16 BE");
    EXPECT_EQ(UnicodeIndicatorText(Encoding::Utf16LE), u"UTF-16 LE");
    EXPECT_EQ(UnicodeIndicatorText(Encoding::Utf8), u"UTF-8");
    EXPECT_EQ(UnicodeIndicatorText(Encoding::Ansi), u"");
    EXPECT_EQ(UnicodeIndicatorText(Encoding::None), u"");
}

TEST(StatusBarText, PanelUnderThePointer)
{
    const QList<int> widths { 125, 0, 90, 0, 0, 0, 61, 0 };
    EXPECT_EQ(StatusPanelAt(widths, 0), -1);
    EXPECT_EQ(StatusPanelAt(widths, 1), 0);
    EXPECT_EQ(StatusPanelAt(widths, 125), -1); // a border
    EXPECT_EQ(StatusPanelAt(widths, 126), 2);
    EXPECT_EQ(StatusPanelAt(widths, 220), 6);
    // The path panel, even hidden, reaches to the right end.
    EXPECT_EQ(StatusPanelAt(widths, 5000), 7);
}

TEST(StatusBarText, HintsByPanel)
{
    const QString path = QStringLiteral("/tmp/a.nfo");
    EXPECT_EQ(
        StatusBarHint(pathPanel, path, Encoding::None).text, u"/tmp/a.nfo\n(Double click to copy)");
    EXPECT_EQ(StatusBarHint(pathPanel, QString(), Encoding::None).tag, -1);
    EXPECT_EQ(StatusBarHint(zoomPanel, QString(), Encoding::None).tag, zoomPanel);
    const StatusHint ansi = StatusBarHint(unicodePanel, path, Encoding::Ansi);
    EXPECT_EQ(ansi.text, u"Codepage: 1252");
    EXPECT_EQ(ansi.tag, unicodePanel);
    EXPECT_EQ(StatusBarHint(unicodePanel, path, Encoding::Utf8).text, u"Codepage: 65001");
    EXPECT_EQ(StatusBarHint(unicodePanel, path, Encoding::None).tag, -1);
    EXPECT_EQ(StatusBarHint(caretPanel, path, Encoding::Utf8).tag, -1);
}

} // namespace
