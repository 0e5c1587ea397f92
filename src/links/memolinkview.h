#pragma once

#include "linktextview.h"

class TMemoPad;

// The link finder's view of the editor control.
class MemoLinkView : public LinkTextView
{
public:
    explicit MemoLinkView(const TMemoPad &memo)
        : m_memo(memo)
    { }

    int LineCount() const override;
    QString LineText(int line) const override;
    int LineIndex(int line) const override;
    int LineFromChar(int index) const override;
    QString TextRange(int start, int end) const override;
    std::optional<PointChar> CharFromPoint(int x, int y) const override;
    std::optional<QPoint> PosFromChar(int index) const override;
    std::optional<int> AverageCharWidth() const override;
    int FontHeight() const override;

private:
    const TMemoPad &m_memo;
};
