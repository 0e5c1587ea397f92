#include "textsearch.h"

#include <algorithm>
#include <climits>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Folded pieces of this size keep the scan in the cache. A search in the
// editor that has read this many pieces without a match reads the rest at
// once: one large read of the editor costs far less than many small ones.
constexpr qsizetype pieceSize = 64 * 1024;
constexpr int piecesBeforeRest = 8;
constexpr int neverAtOnce = INT_MAX;

#ifndef __SSE2__
// Four ASCII units at once: a lane gets 0x20 added (or'ed) exactly when it
// holds A to Z. Every lane is below 0x80, so no sum carries into the next.
quint64 FoldAsciiLanes(quint64 x)
{
    constexpr quint64 lanes = 0x0001000100010001ull;
    const quint64 fromA = x + lanes * (0x80 - u'A');
    const quint64 pastZ = x + lanes * (0x80 - u'Z' - 1);
    return x | (((fromA & ~pastZ) & lanes * 0x80) >> 2);
}
#endif

#ifdef __SSE2__
// Eight units at once; false when one of them is beyond ASCII.
bool FoldAsciiBlock(const char16_t *from, char16_t *to)
{
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
    // Units from 0x8000 on compare as negative, so test the high bits too.
    if (_mm_movemask_epi8(_mm_cmpgt_epi16(x, _mm_set1_epi16(0x7F)))
        || _mm_movemask_epi8(_mm_cmplt_epi16(x, _mm_setzero_si128())))
        return false;
    const __m128i upper = _mm_and_si128(
        _mm_cmpgt_epi16(x, _mm_set1_epi16(u'A' - 1)), _mm_cmplt_epi16(x, _mm_set1_epi16(u'Z' + 1)));
    const __m128i lowered = _mm_or_si128(x, _mm_and_si128(upper, _mm_set1_epi16(0x20)));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(to), lowered);
    return true;
}
#else
bool FoldAsciiBlock(const char16_t *from, char16_t *to)
{
    quint64 x[2];
    std::memcpy(x, from, sizeof x);
    constexpr quint64 nonAscii = 0xFF80FF80FF80FF80ull;
    if ((x[0] | x[1]) & nonAscii)
        return false;
    x[0] = FoldAsciiLanes(x[0]);
    x[1] = FoldAsciiLanes(x[1]);
    std::memcpy(to, x, sizeof x);
    return true;
}
#endif

void FoldInto(QStringView text, QString &out)
{
    out.resize(text.size());
    const char16_t *from = text.utf16();
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        if (!FoldAsciiBlock(from + i, to + i)) {
            for (qsizetype j = i; j < i + 8; ++j)
                to[j] = QChar::toLower(from[j]);
        }
    }
    for (; i < n; ++i)
        to[i] = QChar::toLower(from[i]);
}

// Calls found(offset) for each non-overlapping match of pattern (already
// folded unless matchCase) in [from, end of text) from left to right, until
// it returns false. readRange(start, end) gives the characters of the text;
// after restAfter pieces it is asked for all the rest at once.
template <typename Read, typename Found>
void ScanMatches(Read readRange, qsizetype length, QStringView pattern, bool matchCase,
    qsizetype from, int restAfter, Found found)
{
    const qsizetype m = pattern.size();
    if (m == 0)
        return;
    QString folded;
    qsizetype next = std::max<qsizetype>(from, 0);
    for (int pieces = 0; next + m <= length; ++pieces) {
        // Pieces overlap by m - 1, so a match across their border is seen.
        const qsizetype end
            = pieces < restAfter ? std::min(length, next + pieceSize + m - 1) : length;
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
    ScanMatches(read, text.size(), pattern, false, 0, neverAtOnce, found);
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
    ScanMatches(read, source.TextLength(), wanted, matchCase, start, piecesBeforeRest,
        [&match](qsizetype hit) {
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
