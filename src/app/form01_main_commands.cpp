// The main window's command table and the frame every editing command runs in.
#include "form01_main.h"
#include "l10n/messages.h"
#include "platform/messagebox.h"
#include "ui_form01_main.h"
#include "view/memoeditsource.h"
#include "view/tmemopad.h"

namespace {

// One row per menu command: the form's action and the handler it triggers.
struct CommandRow
{
    QAction *Ui::TformMain::*action;
    void (TformMain::*handler)();
};

} // namespace

void TformMain::ConnectCommands()
{
    static const CommandRow table[] = {
        { &Ui::TformMain::New1, &TformMain::New1Click },
        { &Ui::TformMain::NewWindow1, &TformMain::NewWindow },
        { &Ui::TformMain::Open1, &TformMain::OpenCommand },
        { &Ui::TformMain::Reopen1, &TformMain::ReopenCommand },
        { &Ui::TformMain::Save1, &TformMain::Save1Click },
        { &Ui::TformMain::SaveAs1, &TformMain::SaveAs1Click },
        { &Ui::TformMain::Quit1, &TformMain::Quit1Click },
        { &Ui::TformMain::Undo1, &TformMain::Undo1Click },
        { &Ui::TformMain::Cut1, &TformMain::Cut1Click },
        { &Ui::TformMain::Copy1, &TformMain::Copy1Click },
        { &Ui::TformMain::Paste1, &TformMain::Paste1Click },
        { &Ui::TformMain::SelectAll1, &TformMain::SelectAll1Click },
        { &Ui::TformMain::AlwaysNfoFont1, &TformMain::AlwaysNfoFont1Click },
        { &Ui::TformMain::AlwaysTextFont1, &TformMain::AlwaysTextFont1Click },
        { &Ui::TformMain::ExtensionDefaultNfo1, &TformMain::ExtensionDefaultNfo1Click },
        { &Ui::TformMain::ExtensionDefaultTxt1, &TformMain::ExtensionDefaultTxt1Click },
        { &Ui::TformMain::wordwrap1, &TformMain::Wordwrap1Click },
        { &Ui::TformMain::NextFile1, &TformMain::NextFile1Click },
        { &Ui::TformMain::PreviousFile1, &TformMain::PreviousFile1Click },
        { &Ui::TformMain::Localizationfile1, &TformMain::Localizationfile1Click },
    };
    for (const CommandRow &row : table)
        connect(ui.get()->*row.action, &QAction::triggered, this, row.handler);
}

bool TformMain::RunEditCommand(const EditCommand &command, EditChecks checks)
{
    TMemoPad *memo = ui->Memo1;
    if (checks.focus && !memo->hasFocus())
        return false;
    if (checks.selection && memo->SelLength() == 0)
        return false;
    if (memo->isReadOnly()) {
        ShowInfoBox(message(Msg::readOnlyInfo));
        return false;
    }
    const MemoEditSource source(*memo);
    const std::optional<TextEdit> edit = command({ source, memo->Anchor(), memo->Caret() });
    if (!edit)
        return false;
    memo->ApplyEdit(*edit);
    return true;
}

void TformMain::New1Click()
{
    NewDocument(true);
}

void TformMain::Save1Click()
{
    SaveDocument();
}

void TformMain::SaveAs1Click()
{
    SaveDocumentAs();
}

void TformMain::Quit1Click()
{
    close();
}

void TformMain::Undo1Click()
{
    ui->Memo1->undo();
}

void TformMain::Cut1Click()
{
    ui->Memo1->cut();
}

void TformMain::Copy1Click()
{
    ui->Memo1->copy();
}

void TformMain::Paste1Click()
{
    ui->Memo1->MyPaste();
}

void TformMain::SelectAll1Click()
{
    ui->Memo1->selectAll();
}
