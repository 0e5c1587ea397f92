#include "editcommand.h"

#include <algorithm>

namespace {

QList<int> FindLineStarts(const QString &text)
{
    QList<int> starts { 0 };
    for (qsizetype i = text.indexOf(u"\r\n"); i >= 0; i = text.indexOf(u"\r\n", i + 2))
        starts.append(int(i + 2));
    return starts;
}

} // namespace

QString EditSource::LineText(int line) const
{
    const int start = LineStart(line);
    return start < 0 ? QString() : TextRange(start, start + LineLength(line));
}

StringEditSource::StringEditSource(QString text)
    : m_text(std::move(text))
    , m_lineStarts(FindLineStarts(m_text))
{ }

QString StringEditSource::TextRange(int start, int end) const
{
    start = std::clamp(start, 0, TextLength());
    end = std::clamp(end, start, TextLength());
    return m_text.mid(start, end - start);
}

int StringEditSource::LineFromChar(int index) const
{
    const auto after = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), index);
    return int(std::max<qsizetype>(after - m_lineStarts.cbegin() - 1, 0));
}

int StringEditSource::LineStart(int line) const
{
    return line >= 0 && line < LineCount() ? m_lineStarts[line] : -1;
}

int StringEditSource::LineLength(int line) const
{
    if (line < 0 || line >= LineCount())
        return 0;
    const int end = line + 1 < LineCount() ? m_lineStarts[line + 1] - 2 : TextLength();
    return end - m_lineStarts[line];
}

TextEdit ReplacingSelection(const EditRequest &request, QString text, bool selectInserted)
{
    return { request.SelStart(), request.SelEnd(), std::move(text), selectInserted };
}
