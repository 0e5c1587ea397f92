#include "clicks.h"

#include "links/linktextview.h"

#include <algorithm>
#include <cstdlib>

DragAnchor DragAnchor::Of(Selection selection)
{
    const int start = std::min(selection.anchor, selection.caret);
    return { start, std::abs(selection.caret - selection.anchor) };
}

bool IsTripleClick(
    float elapsedSeconds, int selectionStartLine, int recordedLine, int x, int recordedX)
{
    return elapsedSeconds < 0.3f && selectionStartLine == recordedLine
        && std::abs(x - recordedX) < 5;
}

void ClickState::StartDoubleClick(int line, int x)
{
    m_lastDoubleClick.start();
    m_lastDoubleClickLine = line;
    m_lastDoubleClickX = x;
}

bool ClickState::TakeTripleClick(int selectionStartLine, int x)
{
    if (!m_lastDoubleClick.isValid())
        return false;
    const float elapsed = float(m_lastDoubleClick.nsecsElapsed() * 1e-9);
    m_lastDoubleClick.invalidate();
    return IsTripleClick(elapsed, selectionStartLine, m_lastDoubleClickLine, x, m_lastDoubleClickX);
}

void ClickState::EndDrag()
{
    wordDragMode = false;
    lineDragMode = false;
}

Selection LineSelection(const LinkTextView &view, int line)
{
    const int start = std::max(view.LineIndex(line), 0);
    return { start, start + int(view.LineText(line).size()) };
}

Selection LineDragSelection(const LinkTextView &view, DragAnchor anchor, int pointerIndex)
{
    const Selection anchorLine = LineSelection(view, view.LineFromChar(anchor.start));
    const Selection currentLine = LineSelection(view, view.LineFromChar(pointerIndex));
    if (pointerIndex < anchor.start)
        return { anchorLine.caret, currentLine.anchor };
    return { anchorLine.anchor, currentLine.caret };
}

Selection WordDragSelection(DragAnchor anchor, const LinkFinder::WordAt &word)
{
    if (anchor.start < word.position)
        return { anchor.start, word.range.start + word.range.length };
    return { anchor.start + anchor.length, word.range.start };
}
