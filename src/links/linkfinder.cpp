#include "linkfinder.h"

#include "linktextview.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int UrlScanLimit = 500;
constexpr int EmailLeftSteps = 200;
constexpr int EmailAllSteps = 400;
constexpr int EmailMaxLength = 199;
// A point must lie this close below a character's top to be on it.
constexpr int VerticalSlack = 3;
constexpr int MinFontHeight = 8;

QStringList schemeNames()
{
    return { QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
        QStringLiteral("ftps"), QStringLiteral("file"), QStringLiteral("gopher"),
        QStringLiteral("news"), QStringLiteral("nntp"), QStringLiteral("telnet"),
        QStringLiteral("wais") };
}

int longestLength(const QStringList &texts)
{
    qsizetype longest = 0;
    for (const QString &text : texts)
        longest = std::max(longest, text.size());
    return int(longest);
}

// 1-based column access.
bool inLine(QStringView line, int column)
{
    return column >= 1 && column <= line.size();
}

QChar at(QStringView line, int column)
{
    return line[column - 1];
}

// Drops the closing bracket or quote that belongs to the text around a link.
void trimClosing(QStringView line, int start, QString &link)
{
    if (link.endsWith(u'.') || link.endsWith(u','))
        link.chop(1);
    const QChar before = start >= 2 ? at(line, start - 1) : QChar();
    const bool bracketed = (before == u'(' && link.endsWith(u')'))
        || (before == u'[' && link.endsWith(u']')) || (before == u'{' && link.endsWith(u'}'));
    if (bracketed) {
        link.chop(1);
        return;
    }
    if (start < 3 || line.mid(start - 3, 2) != u"('")
        return;
    if (link.endsWith(u"')"))
        link.chop(2);
    else if (link.size() >= 3 && QStringView(link).mid(link.size() - 3, 2) == u"')")
        link.chop(3);
}

} // namespace

LinkFinder::LinkFinder()
    : m_schemes(schemeNames())
    , m_schemeLookahead(longestLength(m_schemes) + 3)
    , m_urlDelimiters(QStringLiteral(" \n\r\t\"<>"))
    , m_emailDelimiters(QStringLiteral(" \n\r\t\"<>:()[]{}/\\,;"))
{ }

LinkFinder::UrlStart LinkFinder::FindUrlStart(QStringView line, int column) const
{
    const auto open
        = [&](int p) { return inLine(line, p) && !m_urlDelimiters.contains(at(line, p)); };
    int p = column;
    // A point on the scheme name still reaches the "://" to its right.
    for (int step = 0; step < m_schemeLookahead && open(p) && open(p + 1); ++step)
        ++p;

    int slashState = 0;
    int dotState = -1;
    int wwwColumn = 0;
    for (int scanned = 0; scanned < UrlScanLimit && open(p); ++scanned, --p) {
        const QChar c = at(line, p);
        if (c == u'/')
            slashState = slashState == 2 ? 0 : slashState + 1;
        else if (slashState == 2 && c == u':')
            return { UrlStart::Scheme, p };
        else
            slashState = 0;

        if (c == u'.') {
            dotState = 0;
        } else if (c == u'w' && dotState >= 0) {
            if (++dotState == 3)
                wwwColumn = p;
        } else {
            dotState = -1;
        }
    }
    if (wwwColumn > 0)
        return { UrlStart::Www, wwwColumn };
    return {};
}

std::optional<QString> LinkFinder::MatchScheme(QStringView line, int colonColumn) const
{
    if (colonColumn < 1 || colonColumn - 1 > line.size())
        return std::nullopt;
    // Only the text before the colon matters, lower-cased one code unit at a
    // time: whole-string lower-casing may change the length (U+0130) and
    // with it every column.
    const qsizetype lookBack = std::min<qsizetype>(colonColumn - 1, m_schemeLookahead);
    QString before = line.mid(colonColumn - 1 - lookBack, lookBack).toString();
    for (QChar &c : before)
        c = c.toLower();
    for (const QString &scheme : m_schemes) {
        if (before.endsWith(scheme))
            return scheme;
    }
    return std::nullopt;
}

std::optional<QString> LinkFinder::FindUrl(QStringView line, int column) const
{
    const UrlStart found = FindUrlStart(line, column);
    int start = 0;
    if (found.form == UrlStart::Scheme) {
        const std::optional<QString> scheme = MatchScheme(line, found.column);
        if (!scheme)
            return std::nullopt;
        start = found.column - int(scheme->size());
    } else if (found.form == UrlStart::Www) {
        start = found.column;
    } else {
        return std::nullopt;
    }
    if (column < start)
        return std::nullopt;

    int end = start;
    while (inLine(line, end) && !m_urlDelimiters.contains(at(line, end)))
        ++end;
    QString link = line.mid(start - 1, end - start).toString();
    trimClosing(line, start, link);
    if (column < start + link.size())
        return link;
    return std::nullopt;
}

std::optional<QString> LinkFinder::FindEmail(QStringView line, int column) const
{
    const auto open
        = [&](int p) { return inLine(line, p) && !m_emailDelimiters.contains(at(line, p)); };
    int steps = 0;
    int p = column;
    while (open(p)) {
        if (++steps > EmailLeftSteps)
            return std::nullopt;
        --p;
    }
    ++p;
    if (p > column)
        return std::nullopt;

    bool atSign = false;
    bool dotAfterAt = false;
    QString address;
    for (; open(p); ++p) {
        if (++steps > EmailAllSteps || address.size() == EmailMaxLength)
            return std::nullopt;
        const QChar c = at(line, p);
        if (c == u'@')
            atSign = true;
        else if (c == u'.' && atSign)
            dotAfterAt = true;
        address += c;
    }
    if (!atSign || !dotAfterAt)
        return std::nullopt;
    const qsizetype runLength = address.size();
    if (runLength > 1 && address.endsWith(u'.'))
        address.chop(1);
    if (runLength > 4)
        return address;
    return std::nullopt;
}

int LinkFinder::CharWidth(const LinkTextView &view) const
{
    const int height = std::max(std::abs(view.FontHeight()), MinFontHeight);
    const std::optional<int> width = view.AverageCharWidth();
    return width && *width > 0 ? *width : height;
}

LinkKind LinkFinder::FindLinkAt(
    const LinkTextView &view, int x, int y, bool store, bool allowWeb, bool allowEmail)
{
    if (!allowWeb && !allowEmail)
        return LinkKind::None;
    const int height = std::max(std::abs(view.FontHeight()), MinFontHeight);
    const int width = CharWidth(view);
    // Half a character to the left turns the nearest caret position into the
    // character under x.
    const std::optional<LinkTextView::PointChar> hit = view.CharFromPoint(x - (width + 1) / 2, y);
    if (!hit)
        return LinkKind::None;
    const std::optional<QPoint> charPoint = view.PosFromChar(hit->index);
    if (!charPoint)
        return LinkKind::None;
    // Rejects points right of a line's end and below the last line.
    if (std::abs(x - charPoint->x()) > width
        || std::abs(y - charPoint->y()) > height + VerticalSlack || hit->line < 0
        || hit->line >= view.LineCount())
        return LinkKind::None;

    const QString line = view.LineText(hit->line);
    const int column = hit->index - hit->lineStart + 1;
    LinkKind kind = LinkKind::None;
    std::optional<QString> found;
    if (allowWeb && (found = FindUrl(line, column)))
        kind = LinkKind::Web;
    else if (allowEmail && (found = FindEmail(line, column)))
        kind = LinkKind::Email;
    if (found && store)
        m_link = *found;
    return kind;
}

LinkFinder::TextSpan LinkFinder::FindLinkRange(const LinkTextView &view, int x, int y) const
{
    const std::optional<LinkTextView::PointChar> hit = view.CharFromPoint(x + 5, y);
    if (!hit || m_link.isEmpty())
        return {};
    const QString line = view.LineText(hit->line);
    const int length = int(m_link.size());
    for (qsizetype from = line.indexOf(m_link); from >= 0;
         from = line.indexOf(m_link, from + length)) {
        const int start = hit->lineStart + int(from);
        if (start < hit->index && start + length >= hit->index)
            return { start, length };
    }
    return {};
}

void LinkFinder::SetWordDelimiters(const QString &text)
{
    QString delimiters;
    delimiters.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1].toLower() : QChar();
        if (text[i] == u'\\' && (next == u'n' || next == u'r' || next == u't')) {
            delimiters += next == u'n' ? u'\n' : next == u'r' ? u'\r' : u'\t';
            ++i;
        } else {
            delimiters += text[i];
        }
    }
    if (delimiters.size() >= 2 && delimiters.startsWith(u'"') && delimiters.endsWith(u'"'))
        delimiters = delimiters.mid(1, delimiters.size() - 2);
    m_wordDelimiters = delimiters;
    m_spaceTabAlike = delimiters.contains(u' ') && delimiters.contains(u'\t');
}

LinkFinder::TextSpan LinkFinder::FindWordRangeInLine(QStringView line, int column, int mode) const
{
    const int length = int(line.size());
    const int i = column + (mode == 1 ? 1 : 0);
    // Without a reference character nothing is alike.
    const bool hasRef = inLine(line, i);
    const QChar ref = hasRef ? at(line, i) : QChar();
    const auto alike = [&](QChar c) {
        if (!hasRef)
            return false;
        if (c == ref)
            return true;
        return m_spaceTabAlike && ((c == u' ' && ref == u'\t') || (c == u'\t' && ref == u' '));
    };
    const auto delimiter = [&](QChar c) { return m_wordDelimiters.contains(c); };

    bool inRun = false;
    int start = column;
    if (mode != 1) {
        if (mode == 2)
            start = std::max(i - 1, 0);
        for (int k = std::min(i, length); k >= 1; --k) {
            const QChar c = at(line, k);
            if (inRun && !alike(c))
                break;
            if (delimiter(c)) {
                if (!alike(c))
                    break;
                inRun = true;
            }
            start = k - 1;
        }
    }
    int end = i;
    if (mode != 0) {
        for (int k = std::max(i, 1); k <= length; ++k) {
            const QChar c = at(line, k);
            if (inRun && !alike(c))
                break;
            if (delimiter(c)) {
                if (mode == 1 && alike(c))
                    inRun = true;
                else if (!inRun || !alike(c))
                    break;
            }
            end = k;
        }
    }
    return { start, end - start };
}

LinkFinder::TextSpan LinkFinder::FindWordRange(
    const LinkTextView &view, int position, int mode) const
{
    return WordRange(view, position, mode, true);
}

LinkFinder::TextSpan LinkFinder::WordRange(
    const LinkTextView &view, int position, int mode, bool wrapStep) const
{
    const int line = view.LineFromChar(position);
    const int lineStart = view.LineIndex(line);
    if (lineStart < 0)
        return { position, 0 };
    const QString text = view.LineText(line);
    const int column = position - lineStart;

    if (mode == 1 && column == text.size()) {
        // The line break counts as one step; the text's end has nothing right of it.
        const bool lineBreak = view.TextRange(position, position + 2) == u"\r\n";
        return { position, lineBreak ? 2 : 0 };
    }
    if (mode == 0 && column == 0) {
        if (lineStart >= 2 && view.TextRange(lineStart - 2, lineStart) == u"\r\n")
            return { lineStart - 2, 2 };
        // A wrapped line goes on from the end of the one above.
        if (lineStart > 0 && wrapStep) {
            const TextSpan above = WordRange(view, position - 1, 0, false);
            return { above.start, above.length + 1 };
        }
        return { position, 0 };
    }
    const TextSpan inLineRange = FindWordRangeInLine(text, column, mode);
    return { lineStart + inLineRange.start, inLineRange.length };
}

std::optional<LinkFinder::WordAt> LinkFinder::FindWordAt(
    const LinkTextView &view, int x, int y) const
{
    const int width = CharWidth(view);
    const std::optional<LinkTextView::PointChar> hit = view.CharFromPoint(x - (width + 1) / 2, y);
    if (!hit)
        return std::nullopt;
    // Mode 2 looks left of the position: one past the character under x,
    // but never past the line's end.
    const int lineEnd = hit->lineStart + int(view.LineText(hit->line).size());
    const int position = std::min(hit->index + 1, lineEnd);
    return WordAt { FindWordRange(view, position, 2), position };
}
