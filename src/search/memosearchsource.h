#pragma once

#include "edit/editcommand.h"
#include "view/memoeditsource.h"

class TMemoPad;

// The editor's text with the lines as the editor numbers them: wrapped
// lines while word wrap is on, so an upward search stays inside one of them.
class MemoSearchSource final : public EditSource
{
public:
    explicit MemoSearchSource(const TMemoPad &memo);

    int TextLength() const override;
    QString TextRange(int start, int end) const override;
    int LineCount() const override;
    int LineFromChar(int index) const override;
    int LineStart(int line) const override;
    int LineLength(int line) const override;

private:
    const TMemoPad &m_memo;
    MemoEditSource m_logical;
};
