#pragma once

#include "edit/editcommand.h"

class TMemoPad;

// The editor's text and logical lines, read on demand from its blocks
// (a block is a logical line), so nothing is copied that is not asked for.
class MemoEditSource final : public EditSource
{
public:
    explicit MemoEditSource(const TMemoPad &memo)
        : m_memo(memo)
    { }

    int TextLength() const override;
    QString TextRange(int start, int end) const override;
    int LineCount() const override;
    int LineFromChar(int index) const override;
    int LineStart(int line) const override;
    int LineLength(int line) const override;

private:
    const TMemoPad &m_memo;
};
