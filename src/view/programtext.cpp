#include "programtext.h"

#include "platform/texthelpers.h"
#include "search/textsearch.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstring>

namespace {

// Records which character a stand-in replaces.
constexpr int MarkProperty = QTextFormat::UserProperty + 1;

struct StandIn
{
    char16_t original;
    char16_t shown;
};

// Control pictures where they exist; the pilcrow for a paragraph separator;
// the replacement character for the two code points the document reserves
// for frames.
constexpr StandIn standIns[] = {
    { u'\r', u'\u240D' },
    { u'\n', u'\u240A' },
    { u'\u2028', u'\u2424' },
    { u'\u2029', u'\u00B6' },
    { u'\uFDD0', u'\uFFFD' },
    { u'\uFDD1', u'\uFFFD' },
};

char16_t standInFor(char16_t c)
{
    for (const StandIn &s : standIns) {
        if (s.original == c)
            return s.shown;
    }
    return 0;
}

QTextCharFormat markFormat(char16_t original)
{
    QTextCharFormat format;
    format.setProperty(MarkProperty, int(original));
    return format;
}

// Program text of one fragment: stand-ins go back to what they replace.
void appendFragment(QString &out, QStringView text, const QTextCharFormat &format)
{
    if (!format.hasProperty(MarkProperty)) {
        out += text;
        return;
    }
    const auto original = char16_t(format.intProperty(MarkProperty));
    const char16_t shown = standInFor(original);
    for (QChar c : text)
        out += (shown != 0 && c.unicode() == shown) ? QChar(original) : c;
}

void appendBlock(QString &out, const QTextBlock &block, int from, int to)
{
    const int start = block.position();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int fStart = fragment.position();
        if (fStart >= to)
            break;
        const int fEnd = fStart + fragment.length();
        const int a = std::max(from, fStart);
        const int b = std::min(to, fEnd);
        if (a < b)
            appendFragment(
                out, QStringView(fragment.text()).mid(a - fStart, b - a), fragment.charFormat());
    }
    // The separator after the block, when the range covers it.
    const int separator = start + block.length() - 1;
    if (block.next().isValid() && from <= separator && separator < to)
        out += QLatin1String("\r\n");
}

bool isShownStandIn(char16_t c)
{
    if (c < u'\u00B6') // below every stand-in: the common case
        return false;
    for (const StandIn &s : standIns) {
        if (s.shown == c)
            return true;
    }
    return false;
}

// Formats at increasing positions, visiting each fragment of a block once.
class FormatWalker
{
public:
    explicit FormatWalker(const QTextDocument &document)
        : m_document(document)
    { }

    QTextCharFormat at(int position)
    {
        if (!m_block.isValid() || !m_block.contains(position)) {
            m_block = m_document.findBlock(position);
            m_fragment = m_block.begin();
        }
        while (!m_fragment.atEnd() && !m_fragment.fragment().contains(position))
            ++m_fragment;
        return m_fragment.atEnd() ? QTextCharFormat() : m_fragment.fragment().charFormat();
    }

private:
    const QTextDocument &m_document;
    QTextBlock m_block;
    QTextBlock::iterator m_fragment;
};

// What a shown character stands for: itself unless its format carries a mark.
QChar programChar(const QTextCharFormat &format, QChar shown)
{
    if (!format.hasProperty(MarkProperty))
        return shown;
    const auto original = char16_t(format.intProperty(MarkProperty));
    return standInFor(original) == shown.unicode() ? QChar(original) : shown;
}

// Gives the stand-ins in program text of the whole document back their
// original characters; the text runs ahead of the document by one for
// every line break before.
void restoreStandIns(QString &text, const QTextDocument &document)
{
    FormatWalker formats(document);
    int breaks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++breaks;
            ++i;
        } else if (isShownStandIn(c.unicode())) {
            text[i] = programChar(formats.at(int(i) - breaks), c);
        }
    }
}

// Ranges this long are read in one pass.
constexpr int LargeRange = 1 << 16;

// A large range read in one pass over the document's pieces, as long as
// it shows no stand-in; a null text otherwise.
QString PlainRange(const QTextDocument &document, int from, int to)
{
    QString shown;
    // The raw text of the whole document comes out much faster than a
    // selection's: worth its copy when the range is most of it.
    if (qint64(to - from) * 2 >= document.characterCount()) {
        shown = document.toRawText();
        shown.truncate(to);
        shown.remove(0, from);
    } else {
        QTextCursor range(const_cast<QTextDocument *>(&document));
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        shown = range.selectedText();
    }
    qsizetype separators = 0;
    for (QChar c : shown) {
        if (c == QChar::ParagraphSeparator)
            ++separators;
        else if (isShownStandIn(c.unicode()))
            return {};
    }
    QString out(shown.size() + separators, Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (QChar c : shown) {
        if (c == QChar::ParagraphSeparator) {
            *d++ = u'\r';
            *d++ = u'\n';
        } else {
            *d++ = c.unicode();
        }
    }
    return out;
}

} // namespace

DocumentForm ToDocumentForm(QString &&programText)
{
    // Never longer than the program text, so it is made in place.
    DocumentForm form;
    form.text = std::move(programText);
    const qsizetype n = form.text.size();
    char16_t *d = reinterpret_cast<char16_t *>(form.text.data());
    qsizetype w = 0;
    for (qsizetype r = 0; r < n; ++r) {
        const char16_t c = d[r];
        // Below CR or at and above the line separator: the only candidates.
        if (c > u'\r' && c < u'\u2028') {
            d[w++] = c;
        } else if (c == u'\r' && r + 1 < n && d[r + 1] == u'\n') {
            d[w++] = u'\n';
            ++r;
        } else if (const char16_t shown = standInFor(c)) {
            form.marks.append({ int(w), c });
            d[w++] = shown;
        } else {
            d[w++] = c;
        }
    }
    form.text.truncate(w);
    return form;
}

DocumentForm ToDocumentForm(QStringView programText)
{
    return ToDocumentForm(programText.toString());
}

void ApplyMarks(QTextDocument &document, const DocumentForm &form, int base)
{
    QTextCursor cursor(&document);
    // One edit block: otherwise each mark lays its whole line out again.
    cursor.beginEditBlock();
    for (const auto &[position, original] : form.marks) {
        cursor.setPosition(base + position);
        cursor.setPosition(base + position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(markFormat(original));
    }
    cursor.endEditBlock();
}

void InsertProgramText(QTextCursor &cursor, QStringView programText)
{
    const DocumentForm form = ToDocumentForm(programText);
    cursor.removeSelectedText();
    const int base = cursor.position();
    // A plain format, so that text typed after a stand-in does not inherit its mark.
    cursor.insertText(form.text, QTextCharFormat());
    if (!form.marks.isEmpty() && cursor.document())
        ApplyMarks(*cursor.document(), form, base);
}

QString ProgramText(const QTextDocument &document, int from, int to)
{
    QString out;
    from = std::max(from, 0);
    to = std::min(to, document.characterCount() - 1);
    if (from >= to)
        return out;
    if (to - from >= LargeRange) {
        out = PlainRange(document, from, to);
        if (!out.isNull())
            return out;
    }
    out.reserve(to - from + (to - from) / 16);
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next())
        appendBlock(out, block, from, to);
    return out;
}

QString ProgramText(const QTextDocument &document)
{
    // One copy of the raw text, widened in place from the back: separators
    // become CR LF and stand-ins what they stand for.
    QString out = document.toRawText();
    const qsizetype n = std::min<qsizetype>(out.size(), document.characterCount() - 1);
    out.truncate(n);
    const qsizetype grown = n + document.blockCount() - 1;
    out.resize(grown);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    bool standIns = false;
    qsizetype w = grown;
    for (qsizetype r = n; r > 0;) {
        // ASCII, below every stand-in and separator, moves a chunk at a
        // time; any other chunk goes one unit at a time, as a whole.
        const qsizetype start = std::max<qsizetype>(0, r - AsciiChunk);
        if (r - start == AsciiChunk && IsAsciiChunk(d + start)) {
            w -= AsciiChunk;
            std::memmove(d + w, d + start, AsciiChunk * sizeof(char16_t));
            r = start;
            continue;
        }
        while (r > start) {
            const char16_t c = d[--r];
            if (c == QChar::ParagraphSeparator) {
                d[--w] = u'\n';
                d[--w] = u'\r';
            } else {
                standIns = standIns || isShownStandIn(c);
                d[--w] = c;
            }
        }
    }
    if (standIns)
        restoreStandIns(out, document);
    return out;
}

int ProgramLength(const QTextDocument &document)
{
    return document.characterCount() - 1 + document.blockCount() - 1;
}

int ToProgramIndex(const QTextDocument &document, int position)
{
    position = std::clamp(position, 0, document.characterCount() - 1);
    return position + document.findBlock(position).blockNumber();
}

namespace {

int blockNumberAt(const QTextDocument &document, int position)
{
    return document.findBlock(std::clamp(position, 0, document.characterCount() - 1)).blockNumber();
}

// Narrows [low, high] around the number of the block holding program index
// `index`. The block's document start lies in [index - high, index - low],
// so looking up both ends gives a tighter range; each round shrinks it by
// about the share of line breaks in the text. Each lookup is logarithmic.
void narrowBlockRange(const QTextDocument &document, int index, int &low, int &high)
{
    constexpr int CloseEnough = 16;
    for (int round = 0; round < 4 && high - low > CloseEnough; ++round) {
        high = std::min(high, blockNumberAt(document, index - low));
        // One less: an index on the LF of a break lies past its block's text.
        low = std::max(low, blockNumberAt(document, index - high - 1));
    }
    // Text of nothing but line breaks narrows slowly: halve instead.
    while (high - low > CloseEnough) {
        const int mid = low + (high - low + 1) / 2;
        if (document.findBlockByNumber(mid).position() + mid <= index)
            low = mid;
        else
            high = mid - 1;
    }
}

} // namespace

int ToDocumentPosition(const QTextDocument &document, int index)
{
    index = std::clamp(index, 0, ProgramLength(document));
    // The block's document start cannot lie beyond the index itself.
    int high = blockNumberAt(document, index);
    int low = blockNumberAt(document, index - high - 1);
    narrowBlockRange(document, index, low, high);

    // The last block in range whose program start is at or before the index;
    // neighbours are cheap to step to.
    QTextBlock block = document.findBlockByNumber(low);
    int position = block.position();
    int number = low;
    for (; number < high; ++number) {
        const int next = position + block.length();
        if (next + number + 1 > index)
            break;
        position = next;
        block = block.next();
    }
    const int offset = index - (position + number);
    return position + std::min(offset, block.length() - 1);
}

QString NormalizeLineBreaks(const QString &text)
{
    QString result = text;
    ReplaceAllText(result, u"\r\n", u"\n", true);
    ReplaceAllText(result, u"\n", u"\r\n", true);
    return result;
}

bool IsMarkFormat(const QTextCharFormat &format)
{
    return format.hasProperty(MarkProperty);
}
