#include "textsearch.h"

#include <algorithm>

namespace {

// Folded pieces of this size keep the scan in the cache. A search that has
// read this many pieces without a match reads the rest at once: one large
// read of the editor costs far less than many small ones.
constexpr qsizetype pieceSize = 64 * 1024;
constexpr int piecesBeforeRest = 8;

void FoldInto(QStringView text, QString &out)
{
    out.resize(text.size());
    const char16_t *from = text.utf16();
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    const qsizetype n = text.size();
    // ASCII letters first, in a loop the compiler can vectorise; the rest
    // of the text only when it holds anything beyond ASCII.
    char16_t seen = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = from[i];
        seen |= c;
        to[i] = char16_t(c + (char16_t(c - u'A') < 26 ? 32 : 0));
    }
    if (seen < 0x80)
        return;
    for (qsizetype i = 0; i < n; ++i) {
        if (from[i] >= 0x80)
            to[i] = QChar::toLower(from[i]);
    }
}

// Calls found(offset) for each non-overlapping match of pattern (already
// folded unless matchCase) in [from, end of text) from left to right, until
// it returns false. readRange(start, end) gives the characters of the text.
template <typename Read, typename Found>
void ScanMatches(Read readRange, qsizetype length, QStringView pattern, bool matchCase,
    qsizetype from, Found found)
{
    const qsizetype m = pattern.size();
    if (m == 0)
        return;
    QString folded;
    qsizetype next = std::max<qsizetype>(from, 0);
    for (int pieces = 0; next + m <= length; ++pieces) {
        // Pieces overlap by m - 1, so a match across their border is seen.
        const qsizetype end
            = pieces < piecesBeforeRest ? std::min(length, next + pieceSize + m - 1) : length;
        const auto characters = readRange(next, end);
        QStringView piece(characters);
        if (!matchCase) {
            FoldInto(piece, folded);
            piece = folded;
        }
        qsizetype at = 0;
        for (qsizetype hit = piece.indexOf(pattern, at); hit >= 0;
             hit = piece.indexOf(pattern, at)) {
            if (!found(next + hit))
                return;
            at = hit + m;
        }
        next = std::max(next + at, end - m + 1);
    }
}

template <typename Found>
void ScanText(QStringView text, QStringView pattern, bool matchCase, Found found)
{
    if (matchCase) {
        // Nothing to fold: the text itself is scanned.
        const qsizetype m = pattern.size();
        if (m == 0)
            return;
        for (qsizetype hit = text.indexOf(pattern); hit >= 0;
             hit = text.indexOf(pattern, hit + m)) {
            if (!found(hit))
                return;
        }
        return;
    }
    const auto read
        = [text](qsizetype start, qsizetype end) { return text.mid(start, end - start); };
    ScanMatches(read, text.size(), pattern, false, 0, found);
}

// The start of the last non-overlapping match in line, scanned left to right.
qsizetype LastMatchInLine(QStringView line, QStringView pattern)
{
    qsizetype last = -1;
    for (qsizetype hit = line.indexOf(pattern); hit >= 0;
         hit = line.indexOf(pattern, hit + pattern.size()))
        last = hit;
    return last;
}

} // namespace

QString FoldCase(QStringView text)
{
    QString out;
    FoldInto(text, out);
    return out;
}

QString SearchPattern(QStringView pattern, bool matchCase)
{
    return matchCase ? pattern.toString() : FoldCase(pattern);
}

QString SelectedFirstLine(const EditRequest &request)
{
    QString text = request.SelectedText();
    const qsizetype cr = text.indexOf(u'\r');
    if (cr >= 0)
        text.truncate(cr);
    return text;
}

int CountOccurrences(QStringView text, QStringView pattern)
{
    int count = 0;
    ScanText(text, pattern, true, [&count](qsizetype) { return ++count, true; });
    return count;
}

int CountSearchHits(QStringView text, QStringView pattern, bool matchCase)
{
    const QString wanted = SearchPattern(pattern, matchCase);
    int count = 0;
    ScanText(text, wanted, matchCase, [&count](qsizetype) { return ++count, true; });
    return count;
}

int ReplaceAllText(QString &text, QStringView oldText, QStringView newText, bool matchCase)
{
    const QString wanted = SearchPattern(oldText, matchCase);
    QString result;
    qsizetype from = 0;
    int count = 0;
    ScanText(text, wanted, matchCase, [&](qsizetype hit) {
        if (count == 0)
            result.reserve(text.size());
        result += QStringView(text).mid(from, hit - from);
        result += newText;
        from = hit + oldText.size();
        ++count;
        return true;
    });
    if (count == 0)
        return 0;
    result += QStringView(text).mid(from);
    text = std::move(result);
    return count;
}

std::optional<int> SearchForward(
    const EditSource &source, QStringView pattern, bool matchCase, int start)
{
    const QString wanted = SearchPattern(pattern, matchCase);
    std::optional<int> match;
    const auto read
        = [&source](qsizetype from, qsizetype to) { return source.TextRange(int(from), int(to)); };
    ScanMatches(read, source.TextLength(), wanted, matchCase, start, [&match](qsizetype hit) {
        match = int(hit);
        return false;
    });
    return match;
}

std::optional<int> SearchBackward(
    const EditSource &source, QStringView pattern, bool matchCase, int limit)
{
    if (pattern.isEmpty())
        return std::nullopt;
    const QString wanted = SearchPattern(pattern, matchCase);
    limit = std::clamp(limit, 0, source.TextLength());
    const int first = source.LineFromChar(limit);
    for (int line = first; line >= 0; --line) {
        const int lineStart = source.LineStart(line);
        QString text = source.LineText(line);
        if (line == first)
            text.truncate(std::max(limit - lineStart, 0));
        if (!matchCase)
            text = FoldCase(text);
        const qsizetype hit = LastMatchInLine(text, wanted);
        if (hit >= 0)
            return lineStart + int(hit);
    }
    return std::nullopt;
}
