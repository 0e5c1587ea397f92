#include "memosearchsource.h"

#include "view/tmemopad.h"

#include <algorithm>

MemoSearchSource::MemoSearchSource(const TMemoPad &memo)
    : m_memo(memo)
    , m_logical(memo)
{ }

int MemoSearchSource::TextLength() const
{
    return m_logical.TextLength();
}

QString MemoSearchSource::TextRange(int start, int end) const
{
    constexpr int largeRange = 256 * 1024;
    if (!m_haveText && end - start < largeRange)
        return m_logical.TextRange(start, end);
    if (!m_haveText) {
        m_text = m_memo.text();
        m_haveText = true;
    }
    const int length = int(m_text.size());
    start = std::clamp(start, 0, length);
    return m_text.mid(start, std::clamp(end, start, length) - start);
}

int MemoSearchSource::LineCount() const
{
    return m_memo.LineCount();
}

int MemoSearchSource::LineFromChar(int index) const
{
    return m_memo.LineFromCharIndex(std::max(index, 0));
}

int MemoSearchSource::LineStart(int line) const
{
    return m_memo.LineIndex(line);
}

int MemoSearchSource::LineLength(int line) const
{
    const int start = LineStart(line);
    if (start < 0)
        return 0;
    if (!m_memo.WordWrap())
        return m_logical.LineLength(line);
    // A wrapped line ends where the next one starts, or with its logical line.
    const int logical = m_logical.LineFromChar(start);
    const int logicalEnd = m_logical.LineStart(logical) + m_logical.LineLength(logical);
    const int next = m_memo.LineIndex(line + 1);
    return (next < 0 ? logicalEnd : std::min(next, logicalEnd)) - start;
}
