#include "memoeditsource.h"

#include "tmemopad.h"

#include <QTextBlock>

#include <algorithm>

int MemoEditSource::TextLength() const
{
    return m_memo.TextLength();
}

QString MemoEditSource::TextRange(int start, int end) const
{
    const int length = TextLength();
    start = std::clamp(start, 0, length);
    return m_memo.TextRange(start, std::clamp(end, start, length));
}

int MemoEditSource::LineCount() const
{
    return m_memo.document()->blockCount();
}

int MemoEditSource::LineFromChar(int index) const
{
    return m_memo.document()->findBlock(m_memo.ToPosition(std::max(index, 0))).blockNumber();
}

int MemoEditSource::LineStart(int line) const
{
    const QTextBlock block = m_memo.document()->findBlockByNumber(line);
    return block.isValid() ? m_memo.ToIndex(block.position()) : -1;
}

int MemoEditSource::LineLength(int line) const
{
    const QTextBlock block = m_memo.document()->findBlockByNumber(line);
    // A lone CR or LF stands in the block as one character, as in the text.
    return block.isValid() ? block.length() - 1 : 0;
}
