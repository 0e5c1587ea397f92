#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringView>
#include <QTextOption>

#include <optional>
#include <vector>

// The text layout shapes plain text of one format in runs that end at
// every tab and after this many characters.
constexpr int LayoutRunLength = 4096;

// Lines of text laid out by the text layout itself at width.
int LaidOutLines(const QString &text, const QFont &font, const QTextOption &option, qreal width);

// Wrapped lines of plain text (ASCII, Latin-1 and the rest of Windows-1252,
// box drawing and blocks) counted by arithmetic, the way the text layout
// breaks them, for a font in which those characters advance by one fixed
// width. Much faster than a layout, which shapes every glyph. Offered only
// for a font whose shaped advances, pairs, bearings and tab stops were
// checked against real layouts; characters the font draws at another
// width are left to the layout.
class FixedAdvanceLines
{
public:
    // nullopt when the font or option is not one the count covers.
    static std::optional<FixedAdvanceLines> ForFont(const QFont &font, const QTextOption &option);

    // Lines of text wrapped at width (as the layout's line width), or
    // nullopt for text the count does not cover: other characters, a run
    // of blanks wider than the line, or a line end the layout decides by
    // how it split the text into runs. Safe to call from several threads.
    std::optional<int> Count(QStringView text, qreal width) const;

    // True when a line of that many characters and tabs surely fits width:
    // no tab is wider than a whole tab stop.
    bool SurelyFits(int characters, int tabs, qreal width) const;
    // True when the font has every letter and sign of Latin-1 at the advance.
    bool CoversLatin1() const { return m_latin1; }

    // Where the layout may break a line of the characters covered: entry i
    // is true when a line may start at i. Empty when text holds others.
    static std::vector<char> BreakOpportunities(QStringView text);

    // Line breaking classes by UTF-16 unit, packed.
    using ClassMap = std::vector<unsigned char>;

private:
    struct Line
    {
        int length;
        int trailingBlanks;
        // The layout's answer depends on what the count does not model.
        bool unsure;
    };

    // A text with where it may break and where its tabs are.
    struct Breaks
    {
        QStringView text;
        std::vector<char> opportunities;
        std::vector<int> tabs;
        QChar operator[](int i) const { return text[i]; }
        int size() const { return int(text.size()); }
    };

    FixedAdvanceLines(int advance, int tabStop);
    void CoverCharacters(const QFont &font);
    void NoteBearings(const QFontMetricsF &metrics);
    // Also notes where the tabs are, when asked.
    static bool FindBreaks(QStringView text, const ClassMap &classes, std::vector<char> &breaks,
        std::vector<int> *tabs);
    std::optional<int> CountLines(Breaks &breaks, qreal width) const;
    Line LayOutLine(const Breaks &text, int from, qint64 width, bool anywhere) const;
    qint64 TabWidth(qint64 x) const;
    qint64 Bearing(QChar c) const;
    bool AgreesWithLayout(const QFont &font, const QTextOption &option) const;

    // In 1/64 pixel, the layout's own unit.
    int m_advance;
    int m_tabStop;
    // Classes of the characters the count takes in this font; the others
    // count as unknown.
    ClassMap m_classes;
    // How far glyphs reach past their advance, where they do.
    QHash<char16_t, int> m_bearings;
    int m_maximumBearing = 0;
    // The font's own bound, with which the layout decides to look.
    int m_minimumBearing = 0;
    bool m_latin1 = false;
};
