#pragma once

#include <QPointer>
#include <QString>

class TMemoPad;

// Keeps the editor's view in place across a change of text, font, wrap or
// zoom: construct before the change, call Restore after it. offset is added
// to the selection, for changes that alter the text's length before it.
class ResetScrolledPosition
{
public:
    ResetScrolledPosition(TMemoPad *control, bool restoreSelection, int offset = 0);

    void Restore();

private:
    int TargetLine() const;

    QPointer<TMemoPad> m_control;
    QString m_selectionFingerprint;
    int m_firstVisibleLine = 0;
    int m_horizontalPos = 0;
    int m_anchor = 0;
    int m_caret = 0;
    int m_lineCount = 0;
    int m_selectionStartLine = 0;
    bool m_haveSelectionStartLine = false;
    float m_firstLineRatio = 0;
    bool m_restoreSelection = false;
};
