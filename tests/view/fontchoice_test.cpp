#include "fontteststore.h"
#include "view/fontchoice.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {

const QString defaultAssociations = QStringLiteral("nfo,1,1;diz,1,1;txt,0,5;");

struct KindCase
{
    const char *name;
    const char16_t *path;
    const char16_t *associations;
    FileKind kind;
};

class FileKindTest : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(FileKindTest, FromExtension)
{
    const KindCase &c = GetParam();
    EXPECT_EQ(GetFileKind(QString::fromUtf16(c.path), QString::fromUtf16(c.associations)), c.kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, FileKindTest,
    ::testing::Values(KindCase { "upper_case_extension", u"/home/a/readme.NFO",
                          u"nfo,1,1;diz,1,1;txt,0,5;", FileKind::Nfo },
        KindCase { "second_entry", u"/a/file_id.diz", u"nfo,1,1;diz,1,1;txt,0,5;", FileKind::Nfo },
        KindCase {
            "last_dot_counts", u"/a/readme.nfo.txt", u"nfo,1,1;diz,1,1;txt,0,5;", FileKind::Text },
        KindCase { "dot_in_folder_only", u"/old.dir/readme", u"nfo,1,1;diz,1,1;txt,0,5;",
            FileKind::Unknown },
        KindCase { "not_listed", u"/a/b.doc", u"nfo,1,1;diz,1,1;txt,0,5;", FileKind::Unknown },
        KindCase { "untitled", u"0", u"0,1,1;nfo,1,1;", FileKind::Unknown },
        KindCase { "empty_list", u"/a/b.nfo", u"", FileKind::Unknown },
        KindCase { "trailing_dot_takes_whole_path", u"b.", u"b.,1,1;", FileKind::Nfo },
        KindCase { "match_inside_longer_extension_skipped", u"/a/b.nfo", u"xnfo,0,1;nfo,1,1;",
            FileKind::Nfo },
        KindCase { "only_inside_longer_extension", u"/a/b.nfo", u"xnfo,0,1;", FileKind::Unknown },
        KindCase { "flag_missing_at_end", u"/a/b.nfo", u"txt,0,1;nfo,", FileKind::Unknown },
        KindCase { "flag_not_a_digit", u"/a/b.nfo", u"nfo,x,1;", FileKind::Unknown }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(UseNfoFontTest, EachSelectionByKind)
{
    const auto nfo = FileKind::Nfo, text = FileKind::Text, unknown = FileKind::Unknown;
    const QString always = QStringLiteral("alwaysAscii"), never = QStringLiteral("alwaysAnsi");
    const QString byExtNfo = QStringLiteral("extensionSelectDefaultAscii");
    const QString byExtText = QStringLiteral("extensionSelectDefaultAnsi");
    EXPECT_TRUE(UseNfoFont(text, always));
    EXPECT_FALSE(UseNfoFont(nfo, never));
    EXPECT_TRUE(UseNfoFont(unknown, byExtNfo));
    EXPECT_FALSE(UseNfoFont(text, byExtNfo));
    EXPECT_TRUE(UseNfoFont(nfo, byExtText));
    EXPECT_FALSE(UseNfoFont(unknown, byExtText));
}

TEST(UseNfoFontTest, UntitledFollowsTheDefaultOfTheSelection)
{
    FontTestSettings s;
    EXPECT_FALSE(UseNfoFont(QStringLiteral("0"), s.table));
    s.set(SettingKey::fontSelection, QStringLiteral("extensionSelectDefaultAscii"));
    EXPECT_TRUE(UseNfoFont(QStringLiteral("0"), s.table));
    EXPECT_TRUE(s.store.writes.empty());
}

TEST(UseNfoFontTest, UnknownSelectionIsRepairedAndStoredButUsesNfoOnce)
{
    FontTestSettings s;
    s.set(SettingKey::fontSelection, QStringLiteral("AlwaysAscii")); // case matters
    EXPECT_TRUE(UseNfoFont(QStringLiteral("/a/b.txt"), s.table));
    EXPECT_EQ(
        s.table[SettingKey::fontSelection].value(), QStringLiteral("extensionSelectDefaultAnsi"));
    EXPECT_EQ(s.store.values[QStringLiteral("fontSelection")],
        QStringLiteral("extensionSelectDefaultAnsi"));
    EXPECT_FALSE(UseNfoFont(QStringLiteral("/a/b.txt"), s.table));
}

TEST(SaveFilterTest, NfoFilterForNfoKindOrUnknownWithNfoDefault)
{
    FontTestSettings s;
    EXPECT_EQ(SuggestedSaveFilterIndex(QStringLiteral("/a/b.nfo"), s.table), 2);
    EXPECT_EQ(SuggestedSaveFilterIndex(QStringLiteral("0"), s.table), 1);
    s.set(SettingKey::fontSelection, QStringLiteral("alwaysAscii"));
    EXPECT_EQ(SuggestedSaveFilterIndex(QStringLiteral("0"), s.table), 2);
    EXPECT_EQ(SuggestedSaveFilterIndex(QStringLiteral("/a/b.txt"), s.table), 1);
}

TEST(ZoomTest, SizeRoundsWithSinglePrecisionFactor)
{
    EXPECT_EQ(ZoomedFontSize(11, 150), 16); // exact half rounds down
    EXPECT_EQ(ZoomedFontSize(12, 110), 13);
    EXPECT_EQ(ZoomedFontSize(12, 100), 12);
    EXPECT_EQ(ZoomedFontSize(12, 150), 18);
    EXPECT_EQ(ZoomedFontSize(1, 50), 0);
    EXPECT_EQ(ZoomedFontSize(13, 10), 1);
}

TEST(ZoomTest, HeightTruncatesTowardZero)
{
    EXPECT_EQ(FontHeightForSize(12, 96), -16);
    EXPECT_EQ(FontHeightForSize(13, 96), -17); // 17.33
    EXPECT_EQ(FontHeightForSize(0, 96), 0);
}

TEST(FontSetTest, DefaultNfoSetAtAndAwayFromFullSize)
{
    FontTestSettings s;
    const FontRequest full = ChooseFontSet(s.table, true, 100, 96);
    EXPECT_EQ(full, (FontRequest { QStringLiteral("ASCII VGA"), 12, -16, 255, false, false }));
    const FontRequest zoomed = ChooseFontSet(s.table, true, 150, 96);
    EXPECT_EQ(zoomed, (FontRequest { QStringLiteral("ASCII"), 18, -24, 2, false, false }));
    // The stored face is kept: back at 100 % it is the pixel face again.
    EXPECT_EQ(s.table[SettingKey::asciiFontName].value(), QStringLiteral("ASCII VGA"));
}

TEST(FontSetTest, OtherNfoFaceKeepsItsCharsetWhenZoomed)
{
    FontTestSettings s;
    s.set(SettingKey::asciiFontName, QStringLiteral("ASCII EGA"));
    s.set(SettingKey::asciiFontCharset, QStringLiteral("255"));
    const FontRequest zoomed = ChooseFontSet(s.table, true, 90, 120);
    EXPECT_EQ(zoomed.face, QStringLiteral("ASCII EGA"));
    EXPECT_EQ(zoomed.charset, 255);
    EXPECT_EQ(zoomed.size, 11);
    EXPECT_EQ(zoomed.height, -(120 * 11) / 72);
}

TEST(FontSetTest, UnicodeDocumentsGetTheTwinOfABuiltInFace)
{
    FontTestSettings s;
    EXPECT_EQ(
        ChooseFontSet(s.table, true, 100, 96, true).face, QStringLiteral("ASCII VGA Unicode"));
    EXPECT_EQ(ChooseFontSet(s.table, true, 150, 96, true).face, QStringLiteral("ASCII Unicode"));
    EXPECT_EQ(ChooseFontSet(s.table, false, 100, 96, true).face, QStringLiteral("Courier New"));
    s.set(SettingKey::asciiFontName, QStringLiteral("Terminus"));
    EXPECT_EQ(ChooseFontSet(s.table, true, 100, 96, true).face, QStringLiteral("Terminus"));
    EXPECT_EQ(s.table[SettingKey::asciiFontName].value(), QStringLiteral("Terminus"));
    EXPECT_TRUE(IsBuiltInFace(QStringLiteral("ASCII EGA Unicode")));
    EXPECT_FALSE(IsBuiltInFace(QStringLiteral("Terminus Unicode")));
    EXPECT_FALSE(IsBuiltInFace(QStringLiteral(" Unicode")));
}

TEST(FontSetTest, TextSetStyleAndCharset)
{
    FontTestSettings s;
    EXPECT_EQ(ChooseFontSet(s.table, false, 100, 96),
        (FontRequest { QStringLiteral("Courier New"), 10, -13, 1, false, false }));
    s.set(SettingKey::ansiFontStyle, QStringLiteral("boldItalic"));
    s.set(SettingKey::ansiFontCharset, QStringLiteral("-7"));
    FontRequest r = ChooseFontSet(s.table, false, 100, 96);
    EXPECT_TRUE(r.bold && r.italic);
    EXPECT_EQ(r.charset, 1);
    s.set(SettingKey::ansiFontStyle, QStringLiteral("Bold")); // words are exact
    s.set(SettingKey::ansiFontCharset, QStringLiteral("238"));
    r = ChooseFontSet(s.table, false, 100, 96);
    EXPECT_FALSE(r.bold || r.italic);
    EXPECT_EQ(r.charset, 238);
    s.set(SettingKey::ansiFontStyle, QStringLiteral("italic"));
    s.set(SettingKey::ansiFontSize, QStringLiteral("ten"));
    r = ChooseFontSet(s.table, false, 200, 96);
    EXPECT_TRUE(r.italic && !r.bold);
    EXPECT_EQ(r.size, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(FontSetTest, QFontTakesPixelHeightOrPoints)
{
    QFont f = ToQFont({ QStringLiteral("ASCII VGA"), 12, -16, 255, false, false });
    EXPECT_EQ(f.pixelSize(), 16);
    EXPECT_EQ(f.hintingPreference(), QFont::PreferNoHinting);
    f = ToQFont({ QStringLiteral("Courier New"), 10, 0, 1, true, true });
    EXPECT_EQ(f.pointSize(), 10);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_EQ(f.styleHint(), QFont::TypeWriter);
}

TEST(ColorTest, StoredColoursAreBlueGreenRed)
{
    const QPalette palette;
    EXPECT_EQ(ColorFromSetting(7552305, palette), QColor(49, 61, 115));
    EXPECT_EQ(ColorFromSetting(16777215, palette), QColor(Qt::white));
    EXPECT_EQ(ColorFromSetting(0x0000FF, palette), QColor(Qt::red));
    EXPECT_EQ(ColorFromSetting(-1, palette), QColor(Qt::black));
}

TEST(ColorTest, SystemColoursByLowByte)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::Text, QColor(7, 8, 9));
    const int system = int(0xFF000000u);
    EXPECT_EQ(ColorFromSetting(system | 5, palette), QColor(1, 2, 3)); // window
    EXPECT_EQ(ColorFromSetting(system | 13, palette), QColor(4, 5, 6)); // highlight
    EXPECT_EQ(ColorFromSetting(system | 8, palette), QColor(7, 8, 9)); // window text
    EXPECT_EQ(ColorFromSetting(system | 25, palette), QColor(Qt::black)); // no such colour
    EXPECT_EQ(ColorFromSetting(system | 200, palette), QColor(Qt::black));
}

TEST(TabTest, NfoKeepsEightUnlessCustomTabsAllowed)
{
    FontTestSettings s;
    s.set(SettingKey::tabSize, QStringLiteral("4"));
    EXPECT_EQ(TabSizeInEffect(s.table, true), 8);
    EXPECT_EQ(TabSizeInEffect(s.table, false), 4);
    s.set(SettingKey::noCustomTabOnNfo, QStringLiteral("0"));
    EXPECT_EQ(TabSizeInEffect(s.table, true), 4);
}

TEST(TabTest, DefaultSizeSendsNothingUntilAnotherSizeWasNeeded)
{
    bool tabStopsSet = false;
    EXPECT_EQ(TabStopDialogUnits(8, tabStopsSet), 32);
    EXPECT_FALSE(tabStopsSet);
    EXPECT_EQ(TabStopDialogUnits(4, tabStopsSet), 16);
    EXPECT_TRUE(tabStopsSet);
    EXPECT_EQ(TabStopDialogUnits(8, tabStopsSet), 32);
    EXPECT_TRUE(tabStopsSet);
}

TEST(TabTest, ZeroOrNegativeSizeFallsBackToEight)
{
    bool tabStopsSet = false;
    EXPECT_EQ(TabStopDialogUnits(0, tabStopsSet), 32);
    EXPECT_EQ(TabStopDialogUnits(-3, tabStopsSet), 32);
    EXPECT_FALSE(tabStopsSet);
}

TEST(RepairTest, CustomFaceWithoutCharsetReturnsToDefaults)
{
    FontTestSettings s;
    s.set(SettingKey::asciiFontName, QStringLiteral("Terminal"));
    s.set(SettingKey::asciiFontSize, QStringLiteral("9"));
    s.set(SettingKey::asciiFontStyle, QStringLiteral("bold"));
    s.set(SettingKey::asciiFontHeight, QStringLiteral("-12"));
    RepairNfoFontSettings(s.table);
    EXPECT_EQ(s.table[SettingKey::asciiFontName].value(), QStringLiteral("ASCII VGA"));
    EXPECT_EQ(s.table[SettingKey::asciiFontSize].value(), QStringLiteral("12"));
    EXPECT_EQ(s.table[SettingKey::asciiFontStyle].value(), QStringLiteral("normal"));
    EXPECT_EQ(s.table[SettingKey::asciiFontHeight].value(), QStringLiteral("-16"));
    EXPECT_EQ(s.store.values[QStringLiteral("asciiFontCharset")], QStringLiteral("255"));
}

TEST(RepairTest, RecordedCharsetOrDefaultFaceLeftAlone)
{
    FontTestSettings s;
    s.set(SettingKey::asciiFontName, QStringLiteral("Terminal"));
    s.set(SettingKey::asciiFontCharset, QStringLiteral("0"));
    RepairNfoFontSettings(s.table);
    EXPECT_EQ(s.table[SettingKey::asciiFontName].value(), QStringLiteral("Terminal"));
    FontTestSettings d;
    RepairNfoFontSettings(d.table);
    EXPECT_EQ(d.table[SettingKey::asciiFontCharset].value(), QStringLiteral("-1"));
    EXPECT_TRUE(s.store.writes.empty());
    EXPECT_TRUE(d.store.writes.empty());
}

} // namespace
