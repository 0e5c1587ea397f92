#pragma once

#include "keytable.h"
#include "links/linkfinder.h"

#include <QElapsedTimer>
#include <QPoint>

#include <optional>

class LinkTextView;

// The selection a drag extends from; none after every press and release.
struct DragAnchor
{
    int start = -1;
    int length = -1;

    bool IsSet() const { return start >= 0; }
    static DragAnchor Of(Selection selection);
    bool operator==(const DragAnchor &) const = default;
};

// A press this soon after a double click, on the line it selected and
// this close to where it was, selects the whole line.
bool IsTripleClick(
    float elapsedSeconds, int selectionStartLine, int recordedLine, int x, int recordedX);

// The mouse's word and line selection between a press and its release.
class ClickState
{
public:
    QPoint mouseDownPoint;
    DragAnchor wordDragAnchor;
    bool wordDragMode = false;
    bool lineDragMode = false;

    // At a double click: when, on which line (of the selection start) and where.
    void StartDoubleClick(int line, int x);
    // Whether a press is the third click; each double click gets one test.
    bool TakeTripleClick(int selectionStartLine, int x);
    // Drags end with the release, or when the window goes inactive.
    void EndDrag();

private:
    QElapsedTimer m_lastDoubleClick;
    int m_lastDoubleClickLine = 0;
    int m_lastDoubleClickX = 0;
};

// The whole line of the control (wrapped segment while wrapping), without
// its line break.
Selection LineSelection(const LinkTextView &view, int line);
// Dragging after a triple click: whole lines from the anchor's line to the
// line under the pointer, in either direction.
Selection LineDragSelection(const LinkTextView &view, DragAnchor anchor, int pointerIndex);
// Dragging after a double click or with Ctrl: from the anchor's far end to
// the far end of the word under the pointer.
Selection WordDragSelection(DragAnchor anchor, const LinkFinder::WordAt &word);
