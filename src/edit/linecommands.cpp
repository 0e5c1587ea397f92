#include "linecommands.h"

#include "selectedlines.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
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

// Quicksort order, so lines that compare equal come out in any order.
std::vector<int> SortedOrder(const QStringList &texts, const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    if (locale.language() == QLocale::C) {
        // The C locale's sort keys ignore the case setting; its comparison does not.
        std::sort(order.begin(), order.end(),
            [&](int a, int b) { return collator.compare(texts[a], texts[b]) < 0; });
        return order;
    }
    // One key per line, compared many times: far cheaper than comparing the texts.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts)
        keys.push_back(collator.sortKey(text));
    std::sort(
        order.begin(), order.end(), [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
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
    QStringList texts = ReadLines(request.source, lines);
    std::vector<int> order = SortedOrder(texts, locale);
    if (!ascending)
        std::reverse(order.begin(), order.end());
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const int i : order)
        sorted.append(std::move(texts[i]));
    return ReplacingLines(lines, sorted);
}

std::optional<TextEdit> InsertText(const EditRequest &request, const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    return ReplacingSelection(request, text, false);
}
