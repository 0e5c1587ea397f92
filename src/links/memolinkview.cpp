#include "memolinkview.h"

#include "view/tmemopad.h"

#include <QFontMetrics>

int MemoLinkView::LineCount() const
{
    return m_memo.LineCount();
}

QString MemoLinkView::LineText(int line) const
{
    const int start = m_memo.LineIndex(line);
    if (start < 0)
        return {};
    const int next = m_memo.LineIndex(line + 1);
    QString text = m_memo.TextRange(start, next < 0 ? m_memo.TextLength() : next);
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text;
}

int MemoLinkView::LineIndex(int line) const
{
    return m_memo.LineIndex(line);
}

int MemoLinkView::LineFromChar(int index) const
{
    return m_memo.LineFromCharIndex(index);
}

QString MemoLinkView::TextRange(int start, int end) const
{
    const int length = m_memo.TextLength();
    start = std::clamp(start, 0, length);
    return m_memo.TextRange(start, std::clamp(end, start, length));
}

std::optional<LinkTextView::PointChar> MemoLinkView::CharFromPoint(int x, int y) const
{
    const TMemoPad::PointChar found = m_memo.CharFromPoint(x, y);
    if (!found.found)
        return std::nullopt;
    return PointChar { found.line, found.index, found.lineStart };
}

std::optional<QPoint> MemoLinkView::PosFromChar(int index) const
{
    return m_memo.PosFromChar(index);
}

std::optional<int> MemoLinkView::AverageCharWidth() const
{
    const int width = GetAverageCharWidth(&m_memo);
    return width > 0 ? std::optional<int>(width) : std::nullopt;
}

int MemoLinkView::FontHeight() const
{
    return m_memo.fontMetrics().height();
}
