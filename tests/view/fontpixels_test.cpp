// The generated NFO faces as they are drawn: pictures in the right places,
// blocks and lines of neighbouring cells and lines joined, no blur at 100 %.
#include "fontteststore.h"
#include "view/fontapply.h"
#include "view/fontregistry.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QRawFont>

#include <gtest/gtest.h>

namespace {

const QString fontDir = QStringLiteral(ORVANE_FONT_DIR);

QRawFont Face(const char *file, int pixelSize)
{
    return QRawFont(fontDir + QLatin1Char('/') + QLatin1String(file), pixelSize);
}

quint32 GlyphOf(const QRawFont &font, char32_t codePoint)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&codePoint, 1));
    return glyphs.size() == 1 ? glyphs.first() : 0;
}

TEST(FontFileTest, CodePagePicturesSitAtBothPlaces)
{
    const QRawFont vga = Face("fdata.nf", 16);
    ASSERT_TRUE(vga.isValid());
    EXPECT_EQ(vga.familyName(), QStringLiteral("ASCII VGA"));
    // Byte 0xDB read as Windows-1252 and the full block itself.
    EXPECT_NE(GlyphOf(vga, 0x2588), 0u);
    EXPECT_EQ(GlyphOf(vga, 0x00DB), GlyphOf(vga, 0x2588));
    EXPECT_EQ(GlyphOf(vga, 0x00CD), GlyphOf(vga, 0x2550));
    // The control bytes show their symbols: 0x01 the smiley, 0x1F a triangle.
    EXPECT_EQ(GlyphOf(vga, 0x0001), GlyphOf(vga, 0x263A));
    EXPECT_EQ(GlyphOf(vga, 0x001F), GlyphOf(vga, 0x25BC));
    // Where a picture's own place is another byte's 1252 place, 1252 wins:
    // U+00E9 is byte 0xE9 (Theta), not CP437's e-acute (byte 0x82).
    EXPECT_EQ(GlyphOf(vga, 0x00E9), GlyphOf(vga, 0x0398));
    EXPECT_EQ(GlyphOf(vga, 0x00C7), GlyphOf(vga, 0x255F));
    // No-break space is byte 0xA0, CP437's a-acute: a picture, not a blank.
    EXPECT_TRUE(vga.supportsCharacter(QChar(0x00A0)));
    EXPECT_NE(GlyphOf(vga, 0x00A0), GlyphOf(vga, 0x0020));
    EXPECT_FALSE(vga.alphaMapForGlyph(GlyphOf(vga, 0x00A0)).isNull());
    // The euro sign is byte 0x80: C-cedilla, drawn only there.
    EXPECT_NE(GlyphOf(vga, 0x20AC), 0u);
    EXPECT_NE(GlyphOf(vga, 0x20AC), GlyphOf(vga, 0x00C7));
}

TEST(FontFileTest, EveryCellIsOneWidthAndLinesHaveNoGap)
{
    for (const auto &[file, size] : { std::pair { "fdata.nf", 16 }, std::pair { "tfdata.nf", 16 },
             std::pair { "tfdata.nf", 24 } }) {
        const QRawFont font = Face(file, size);
        ASSERT_TRUE(font.isValid()) << file;
        EXPECT_DOUBLE_EQ(font.ascent() + font.descent(), double(size)) << file;
        EXPECT_DOUBLE_EQ(font.leading(), 0.0) << file;
        for (char32_t cp : { U'A', U'\u2588', U'\u2550', U'\u00A0', U'\u263A', U'\u00E9' }) {
            const quint32 glyph = GlyphOf(font, cp);
            const QPointF advance = font.advancesForGlyphIndexes({ glyph }).first();
            EXPECT_DOUBLE_EQ(advance.x(), size / 2.0) << file << " U+" << std::hex << unsigned(cp);
        }
    }
}

QImage Picture(const QRawFont &font, char32_t codePoint)
{
    return font.alphaMapForGlyph(GlyphOf(font, codePoint), QRawFont::PixelAntialiasing);
}

// Regression: UTF-8 text showed U+0080 to U+00FF as the code page picture of
// that byte ("gewähre" as "gewΣhre"). The twins draw each character as
// itself, with the very pixels the 8-bit faces use for the same picture.
TEST(FontFileTest, UnicodeTwinsDrawEveryCharacterAsItself)
{
    RegisterPrivateFonts(fontDir);
    for (const auto &[family, pixels] : { std::pair { "ASCII VGA", 16 },
             std::pair { "ASCII EGA", 14 }, std::pair { "ASCII", 16 } }) {
        QFont bytesFont { QLatin1String(family) };
        bytesFont.setPixelSize(pixels);
        QFont unicodeFont(QLatin1String(family) + QStringLiteral(" Unicode"));
        unicodeFont.setPixelSize(pixels);
        const QRawFont bytes = QRawFont::fromFont(bytesFont);
        const QRawFont unicode = QRawFont::fromFont(unicodeFont);
        ASSERT_EQ(unicode.familyName(), unicodeFont.family()) << family;
        ASSERT_EQ(bytes.familyName(), bytesFont.family()) << family;
        // a-umlaut is byte 0x84 of code page 437, at 1252's place for 0x84.
        const std::pair<char32_t, char32_t> same[] = { { U'\u00E4', U'\u201E' },
            { U'\u00FC', U'\u0081' }, { U'\u2554', U'\u00C9' }, { U'\u2588', U'\u00DB' },
            { U'\u2591', U'\u00B0' }, { U'A', U'A' }, { U'\u263A', U'\u0001' } };
        for (auto [character, bytePlace] : same) {
            EXPECT_NE(GlyphOf(unicode, character), 0u) << family;
            EXPECT_EQ(Picture(unicode, character), Picture(bytes, bytePlace))
                << family << " U+" << std::hex << unsigned(character);
        }
        EXPECT_NE(Picture(unicode, U'\u00E4'), Picture(bytes, U'\u00E4')) << family; // not Sigma
        for (char32_t character : { U'\u00D7', U'\u0416', U'\u20AC', U'\uFFFD' })
            EXPECT_NE(GlyphOf(unicode, character), 0u)
                << family << " U+" << std::hex << unsigned(character);
        const QPointF advance
            = unicode.advancesForGlyphIndexes({ GlyphOf(unicode, U'\u00D7') }).first();
        EXPECT_DOUBLE_EQ(advance.x(), 8.0) << family;
    }
    UnregisterPrivateFonts();
}

// One face drawn in the editor: stored face and height, zoom, and the
// line height and cell width the picture must show.
struct PixelCase
{
    const char *name;
    const char16_t *face;
    int storedHeight;
    int zoom;
    int line;
    int cell;
    bool pixelExact;
};

void PrintTo(const PixelCase &c, std::ostream *os)
{
    *os << c.name;
}

class FontPixelTest : public ::testing::TestWithParam<PixelCase>
{
protected:
    void SetUp() override { RegisterPrivateFonts(fontDir); }
    void TearDown() override { UnregisterPrivateFonts(); }

    QImage render(const QString &text)
    {
        const PixelCase &c = GetParam();
        settings.set(SettingKey::asciiFontName, QString::fromUtf16(c.face));
        settings.set(SettingKey::asciiFontCharset, QStringLiteral("255"));
        settings.set(SettingKey::asciiFontHeight, QString::number(c.storedHeight));
        editor.resize(400, 300);
        editor.setFrameStyle(QFrame::NoFrame);
        editor.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor.document()->setDocumentMargin(0);
        bool tabStopsSet = false;
        ApplyFont(&editor, settings.table, QStringLiteral("/a/b.nfo"), c.zoom, tabStopsSet);
        editor.setPlainText(text);
        editor.show();
        return editor.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Ink is the text colour's side of the way from the background.
    static bool IsInk(QRgb pixel) { return qGray(pixel) > 160; }
    static bool IsBackgroundOrInk(QRgb pixel)
    {
        return pixel == qRgb(49, 61, 115) || pixel == qRgb(255, 255, 255);
    }

    // Longest vertical run of ink in column x.
    static int LongestColumnRun(const QImage &image, int x)
    {
        int best = 0, run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = IsInk(image.pixel(x, y)) ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    }

    // Rows of the band [top, top+height) that are ink from x0 to x1.
    static int FullInkRows(const QImage &image, int top, int height, int x0, int x1)
    {
        int rows = 0;
        for (int y = top; y < top + height; ++y) {
            bool full = true;
            for (int x = x0; x < x1 && full; ++x)
                full = IsInk(image.pixel(x, y));
            rows += full ? 1 : 0;
        }
        return rows;
    }

    QPlainTextEdit editor;
    FontTestSettings settings;
};

// Five lines of full blocks (as decoded from 1252 and as Unicode), then
// a row of double lines.
const QString picture = QString::fromUtf16(u"\u2588\u00DB\u2588\n"
                                           u"\u2588\u00DB\u2588\n"
                                           u"\u2588\u00DB\u2588\n"
                                           u"\u2588\u00DB\u2588\n"
                                           u"\u2588\u00DB\u2588\n"
                                           u"\u00CD\u2550\u00CD\u2550\u00CD\u2550");

TEST_P(FontPixelTest, BlocksAndDoubleLinesJoinWithoutBlur)
{
    const PixelCase &c = GetParam();
    const QImage image = render(picture);
    // Outlines off the pixel grid blur the block's side edges: skip those.
    const int edge = c.pixelExact ? 0 : 1;
    for (int x = edge; x < 3 * c.cell - edge; ++x)
        EXPECT_GE(LongestColumnRun(image, x), 5 * c.line - edge) << "column " << x;
    // The double line: two separate rows, each unbroken over six cells.
    const int fullRows = FullInkRows(image, 5 * c.line, c.line, 0, 6 * c.cell);
    if (!c.pixelExact) {
        EXPECT_GE(fullRows, 2);
        return; // scaled outlines are smoothed
    }
    EXPECT_EQ(fullRows, 2);
    for (int y = 0; y < 6 * c.line; ++y) {
        for (int x = 0; x < 6 * c.cell; ++x)
            ASSERT_TRUE(IsBackgroundOrInk(image.pixel(x, y))) << "blur at " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, FontPixelTest,
    ::testing::Values(PixelCase { "vga_at_100", u"ASCII VGA", -16, 100, 16, 8, true },
        PixelCase { "ega_at_100", u"ASCII EGA", -14, 100, 14, 8, true },
        PixelCase { "vga_becomes_ascii_at_150", u"ASCII VGA", -16, 150, 24, 12, false }),
    [](const auto &info) { return std::string(info.param.name); });

// Every zoom step: the scaled face must tile, blocks of neighbouring cells
// and lines touching with no pixel of a third colour between them.
std::vector<int> ZoomSteps()
{
    std::vector<int> steps;
    for (int zoom = 10; zoom < 30; zoom += 5)
        steps.push_back(zoom);
    for (int zoom = 30; zoom <= 500; zoom += 10)
        steps.push_back(zoom);
    return steps;
}

TEST(ZoomStepPixels, EveryStepIsSeamless)
{
    RegisterPrivateFonts(fontDir);
    for (int zoom : ZoomSteps()) {
        QPlainTextEdit editor;
        FontTestSettings settings;
        editor.resize(2600, 3200);
        editor.setFrameStyle(QFrame::NoFrame);
        editor.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor.document()->setDocumentMargin(0);
        bool tabStopsSet = false;
        ApplyFont(&editor, settings.table, QStringLiteral("/a/b.nfo"), zoom, tabStopsSet);
        editor.setPlainText(picture);
        editor.show();
        const QImage image
            = editor.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QFontMetricsF metrics(editor.font());
        const int cells = int(std::floor(3 * metrics.horizontalAdvance(QChar(0x2588))));
        const int lines = int(std::floor(5 * metrics.height()));
        int seams = 0;
        for (int y = 0; y < lines; ++y) {
            for (int x = 0; x < cells; ++x)
                seams += image.pixel(x, y) == qRgb(255, 255, 255) ? 0 : 1;
        }
        EXPECT_EQ(seams, 0) << "zoom " << zoom << " pixel size " << editor.font().pixelSize();
        // The double line below: two rows unbroken over six cells, and only
        // the two colours anywhere in the picture.
        const int doubleTop = int(std::ceil(5 * metrics.height()));
        const int doubleHeight = int(std::floor(metrics.height()));
        const int doubleWidth = int(std::floor(6 * metrics.horizontalAdvance(QChar(0x2550))));
        int fullRows = 0;
        for (int y = doubleTop; y < doubleTop + doubleHeight; ++y) {
            bool full = true;
            for (int x = 0; x < doubleWidth; ++x) {
                const QRgb pixel = image.pixel(x, y);
                EXPECT_TRUE(pixel == qRgb(255, 255, 255) || pixel == qRgb(49, 61, 115))
                    << "zoom " << zoom << " third colour at " << x << "," << y;
                full = full && pixel == qRgb(255, 255, 255);
            }
            fullRows += full ? 1 : 0;
        }
        // Below 16 pixels a font pixel is less than a screen pixel: the two
        // lines may merge, and below 8 a line may fall between pixel centres.
        const int pixelSize = editor.font().pixelSize();
        if (pixelSize >= 8) {
            EXPECT_GE(fullRows, pixelSize >= 16 ? 2 : 1) << "zoom " << zoom;
        }
    }
    UnregisterPrivateFonts();
}

} // namespace
