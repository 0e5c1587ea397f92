#pragma once

#include "edit/editcommand.h"
#include "view/memoeditsource.h"

class TMemoPad;

// For one search only: the editor's text must not change while it lives.
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
    // The whole text, once a large range was asked for: reading it at once
    // is far cheaper than line by line, and a second pass reuses it.
    mutable QString m_text;
    mutable bool m_haveText = false;
};
