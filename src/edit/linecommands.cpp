#include "linecommands.h"

#include "platform/shares.h"
#include "selectedlines.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView StripBlanks(QStringView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && IsBlank(text[from]))
        ++from;
    while (to > from && IsBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

// A line command's lines as views into the block read once.
std::vector<QStringView> LineViews(QStringView block)
{
    std::vector<QStringView> lines;
    qsizetype from = 0;
    for (qsizetype end; (end = block.indexOf(QLatin1String("\r\n"), from)) >= 0; from = end + 2)
        lines.push_back(block.sliced(from, end - from));
    lines.push_back(block.sliced(from));
    return lines;
}

// The C locale's case-insensitive comparison folds each UTF-16 unit by
// itself; folded once, the texts compare by code unit in the same order.
// Nullopt for text with surrogates, which the comparison folds in pairs.
std::optional<QString> FoldedForC(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80) {
            *out++ = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
            continue;
        }
        const char32_t f = QChar::isSurrogate(c) ? 0x10000 : QChar::toCaseFolded(char32_t(c));
        if (f > 0xFFFF)
            return std::nullopt;
        *out++ = char16_t(f);
    }
    return folded;
}

// Large texts are sorted in shares on several threads, then merged.
constexpr size_t MinimumShare = 20000;

template <typename Less> void SortInShares(std::vector<int> &order, Less less)
{
    const std::vector<size_t> starts = InShares(order.size(), MinimumShare,
        [&](size_t from, size_t to) { std::sort(order.begin() + from, order.begin() + to, less); });
    for (size_t i = 1; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1] : order.size();
        std::inplace_merge(order.begin(), order.begin() + starts[i], order.begin() + end, less);
    }
}

QCollator CaseInsensitiveCollator(const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Lines that compare equal come out in any order.
std::vector<int> SortedOrder(
    QStringView block, const std::vector<QStringView> &texts, const QLocale &locale)
{
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    if (locale.language() == QLocale::C) {
        // The C locale's sort keys ignore the case setting; its comparison does not.
        if (const std::optional<QString> folded = FoldedForC(block)) {
            // Folding keeps every unit in place, so the lines are at the same offsets.
            std::vector<QStringView> keys;
            keys.reserve(texts.size());
            for (QStringView text : texts)
                keys.push_back(
                    QStringView(*folded).sliced(text.data() - block.data(), text.size()));
            SortInShares(order, [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
        } else {
            const QCollator collator = CaseInsensitiveCollator(locale);
            std::sort(order.begin(), order.end(),
                [&](int a, int b) { return collator.compare(texts[a], texts[b]) < 0; });
        }
        return order;
    }
    // One key per line, compared many times: far cheaper than comparing the texts.
    std::vector<std::optional<QCollatorSortKey>> keys(texts.size());
    InShares(texts.size(), MinimumShare, [&](size_t from, size_t to) {
        // A collator of its own: one is not to be used by two threads at once.
        const QCollator collator = CaseInsensitiveCollator(locale);
        for (size_t i = from; i < to; ++i)
            keys[i].emplace(collator.sortKey(texts[i].toString()));
    });
    SortInShares(order, [&](int a, int b) { return keys[a]->compare(*keys[b]) < 0; });
    return order;
}

} // namespace

std::optional<TextEdit> DeleteLine(const EditRequest &request)
{
    if (request.HasSelection())
        return ReplacingSelection(request, {}, false);
    const EditSource &source = request.source;
    const int line = source.LineFromChar(request.caret);
    const int start = source.LineStart(line);
    const int end = std::min(start + source.LineLength(line) + 2, source.TextLength());
    if (end == start)
        return std::nullopt;
    return TextEdit { start, end, {}, false };
}

bool TabIndentsLines(const EditRequest &request)
{
    if (!request.HasSelection())
        return false;
    const SelectedLines lines = FindSelectedLines(request);
    if (!lines.SingleLine())
        return true;
    const QString lineText = request.source.LineText(lines.first);
    const QString selected = request.SelectedText();
    const QStringView stripped = StripBlanks(selected);
    return !stripped.isEmpty() && stripped == StripBlanks(lineText);
}

QString UnindentedLine(const QString &line, int tabWidth)
{
    if (line.startsWith(u'\t'))
        return line.mid(1);
    if (!line.startsWith(u' '))
        return line;
    const qsizetype n = std::min<qsizetype>(tabWidth, line.size());
    qsizetype cut = 0;
    while (cut < n && line[cut] == u' ')
        ++cut;
    if (cut < n && line[cut] == u'\t')
        ++cut;
    return line.mid(cut);
}

std::optional<TextEdit> IndentLines(const EditRequest &request, bool indent, int tabWidth)
{
    const SelectedLines lines = FindSelectedLines(request);
    QStringList texts = ReadLines(request.source, lines);
    bool changed = false;
    for (QString &text : texts) {
        if (indent) {
            text.prepend(u'\t');
            changed = true;
            continue;
        }
        QString unindented = UnindentedLine(text, tabWidth);
        if (unindented.size() != text.size()) {
            text = std::move(unindented);
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    return ReplacingLines(lines, texts);
}

std::optional<TextEdit> SortLines(const EditRequest &request, bool ascending, const QLocale &locale)
{
    const SelectedLines lines = FindSelectedLines(request);
    if (lines.SingleLine())
        return std::nullopt;
    const QString block = request.source.TextRange(lines.blockStart, lines.blockEnd);
    const std::vector<QStringView> texts = LineViews(block);
    std::vector<int> order = SortedOrder(block, texts, locale);
    if (!ascending)
        std::reverse(order.begin(), order.end());
    QString sorted;
    sorted.reserve(block.size());
    for (size_t k = 0; k < order.size(); ++k) {
        if (k > 0)
            sorted += QLatin1String("\r\n");
        sorted += texts[size_t(order[k])];
    }
    return TextEdit { lines.blockStart, lines.blockEnd, sorted, true, block };
}

std::optional<TextEdit> InsertText(const EditRequest &request, const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    return ReplacingSelection(request, text, false);
}
