#include "resetscrolledposition.h"

#include "tmemopad.h"

#include <cmath>

namespace {

constexpr int FingerprintLength = 100;

int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

} // namespace

ResetScrolledPosition::ResetScrolledPosition(TMemoPad *control, bool restoreSelection, int offset)
    : m_control(control)
    , m_restoreSelection(restoreSelection)
{
    if (!control)
        return;
    m_firstVisibleLine = control->FirstVisibleLine();
    m_lineCount = control->LineCount();
    m_firstLineRatio = m_lineCount > 0 ? float(m_firstVisibleLine) / float(m_lineCount) : 0.0f;
    m_horizontalPos = control->HorizontalScrollPos();

    int start = 0;
    int end = 0;
    const int packed = control->GetSel(&start, &end);
    const bool caretAtStart = control->Caret() == start && start != end;
    m_anchor = (caretAtStart ? end : start) + offset;
    m_caret = (caretAtStart ? start : end) + offset;

    // Positions beyond 16 bits count as unknown, as the status bar treats them.
    if (packed != -1) {
        m_selectionStartLine = control->LineFromCharIndex(start);
        m_haveSelectionStartLine = true;
    }
    if (restoreSelection)
        m_selectionFingerprint
            = control->TextRange(start, start + std::min(end - start, FingerprintLength));
}

void ResetScrolledPosition::Restore()
{
    TMemoPad *control = m_control;
    if (!control)
        return;
    if (m_restoreSelection) {
        const int start = std::min(m_anchor, m_caret);
        const QString now = control->TextRange(start, start + int(m_selectionFingerprint.size()));
        // Text changed in front of the selection: a bare caret at the old start.
        if (now == m_selectionFingerprint)
            control->SetSel(m_anchor, m_caret);
        else
            control->SetSel(start, start);
    }
    int width = GetAverageCharWidth(control);
    if (width <= 0)
        width = 1;
    // To the top left first, so the last scroll lands on the target exactly.
    const int columns = roundHalfUp(double(control->HorizontalScrollPos()) / width);
    control->LineScroll(-(columns + 1), -(control->FirstVisibleLine() + 1));
    control->LineScroll(roundHalfUp(double(m_horizontalPos) / width), TargetLine());
}

int ResetScrolledPosition::TargetLine() const
{
    int start = 0;
    const bool selectionKnown = m_control->GetSel(&start) != -1 && m_haveSelectionStartLine;
    // The selection keeps its distance from the top. Where its line stayed,
    // that is the old first line whatever the count, which then need not be
    // counted: with word wrap that would mean the whole document.
    const int selectionLine = selectionKnown ? m_control->LineFromCharIndex(start) : -1;
    if (selectionKnown && selectionLine == m_selectionStartLine)
        return m_firstVisibleLine;
    const int lineCount = m_control->LineCount();
    if (lineCount == m_lineCount)
        return m_firstVisibleLine;
    if (!selectionKnown)
        return roundHalfUp(double(lineCount) * m_firstLineRatio);
    return selectionLine + (m_firstVisibleLine - m_selectionStartLine);
}
