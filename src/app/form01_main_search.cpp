// Find, replace and go to line (Edit menu).
#include "form01_main.h"
#include "platform/messagebox.h"
#include "search/findsession.h"
#include "search/form04_goto.h"
#include "search/form05_myfind.h"
#include "search/textsearch.h"
#include "ui_form01_main.h"
#include "view/memoeditsource.h"
#include "view/tmemopad.h"

#include <QPointer>

void TformMain::SetupSearch()
{
    FindHost host { ui->Memo1, &m_settings, [this] { return m_nfoFontActive; },
        [this](int start, int length, int margin) { SelectAndReveal(start, length, margin); } };
    m_findDialog = new TformMyFind(std::move(host), this);
    SetBeforeMessageBox([dialog = QPointer<TformMyFind>(m_findDialog)] {
        if (dialog)
            dialog->hide();
    });
}

void TformMain::Findtext1Click()
{
    const MemoEditSource source(*ui->Memo1);
    m_findDialog->ShowFindDialog(
        SelectedFirstLine({ source, ui->Memo1->Anchor(), ui->Memo1->Caret() }), false);
}

void TformMain::Findnext1Click()
{
    m_findDialog->FindNext();
}

void TformMain::Findprevious1Click()
{
    m_findDialog->FindPrevious();
}

void TformMain::Replace1Click()
{
    const MemoEditSource source(*ui->Memo1);
    m_findDialog->ShowFindDialog(
        SelectedFirstLine({ source, ui->Memo1->Anchor(), ui->Memo1->Caret() }), true);
}

void TformMain::Goto1Click()
{
    m_findDialog->hide();
    TMemoPad *memo = ui->Memo1;
    const std::optional<int> line
        = TformGoto::ask(memo->LineCount(), memo->LineFromCharIndex(-1), this);
    const int start = line ? memo->LineIndex(*line - 1) : -1;
    if (start < 0)
        return;
    memo->SetSel(start, start);
    memo->ScrollCaret();
}

void TformMain::SelectAndReveal(int start, int length, int margin)
{
    TMemoPad *memo = ui->Memo1;
    const bool movedDown = start > memo->SelStart();
    memo->SetSel(start, start + length);
    memo->ScrollCaret();
    if (margin != 0) {
        const int matchLine = memo->LineFromCharIndex(start);
        const int firstVisible = memo->FirstVisibleLine();
        const int lastVisible = memo->CharFromPoint(0, INT_MAX).line;
        memo->LineScroll(
            0, RevealScrollLines(movedDown, matchLine, firstVisible, lastVisible, margin));
    }
}
