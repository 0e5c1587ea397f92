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
        // Line commands and line prefixes.
        { &Ui::TformMain::Deleteline1, &TformMain::Deleteline1Click },
        { &Ui::TformMain::T1, &TformMain::T1Click },
        { &Ui::TformMain::Untabifyselectedlines1, &TformMain::Untabifyselectedlines1Click },
        { &Ui::TformMain::SortselectedlinesAZ1, &TformMain::SortselectedlinesAZ1Click },
        { &Ui::TformMain::SortselectedlinesZA1, &TformMain::SortselectedlinesZA1Click },
        { &Ui::TformMain::insertDate1, &TformMain::insertDate1Click },
        { &Ui::TformMain::Appendcustomstringtoselectedlines1,
            &TformMain::Appendcustomstringtoselectedlines1Click },
        { &Ui::TformMain::Appendlaststringtoselectedlines1,
            &TformMain::Appendlaststringtoselectedlines1Click },
        { &Ui::TformMain::Removelaststringtoselectedlines1,
            &TformMain::Removelaststringtoselectedlines1Click },
        // Case conversion
        { &Ui::TformMain::Makeuppercase1, &TformMain::Makeuppercase1Click },
        { &Ui::TformMain::Makelowercase1, &TformMain::Makelowercase1Click },
        { &Ui::TformMain::SentenceCase1, &TformMain::SentenceCase1Click },
        { &Ui::TformMain::MakeWordCase1, &TformMain::MakeWordCase1Click },
        { &Ui::TformMain::iNVERTcAse1, &TformMain::InvertCase1Click },
        // Search and go to line
        { &Ui::TformMain::Findtext1, &TformMain::Findtext1Click },
        { &Ui::TformMain::Findnext1, &TformMain::Findnext1Click },
        { &Ui::TformMain::Findprevious1, &TformMain::Findprevious1Click },
        { &Ui::TformMain::Replace1, &TformMain::Replace1Click },
        { &Ui::TformMain::Goto1, &TformMain::Goto1Click },
        // Status bar
        { &Ui::TformMain::StatusbarMenu, &TformMain::StatusbarMenuClick },
        { &Ui::TformMain::CaretpositionMenu, &TformMain::CaretpositionMenuClick },
        { &Ui::TformMain::SelectionlengthMenu, &TformMain::SelectionlengthMenuClick },
        { &Ui::TformMain::ReadonlyindicatorMenu, &TformMain::ReadonlyindicatorMenuClick },
        { &Ui::TformMain::OverwriteindicatorMenu, &TformMain::OverwriteindicatorMenuClick },
        { &Ui::TformMain::UnicodeindicatorMenu, &TformMain::UnicodeindicatorMenuClick },
        { &Ui::TformMain::FilesizeMenu, &TformMain::FilesizeMenuClick },
        { &Ui::TformMain::FilepathMenu, &TformMain::FilepathMenuClick },
        { &Ui::TformMain::ZoomLevelMenu, &TformMain::ZoomLevelMenuClick },
        // Zoom and automatic width
        { &Ui::TformMain::ZoomIn1, &TformMain::ZoomIn1Click },
        { &Ui::TformMain::ZoomOut1, &TformMain::ZoomOut1Click },
        { &Ui::TformMain::ResetZoom1, &TformMain::ResetZoom1Click },
        { &Ui::TformMain::autoWidth1, &TformMain::autoWidth1Click },
        // Window options
        { &Ui::TformMain::Topmost1, &TformMain::Topmost1Click },
        { &Ui::TformMain::alphablend1, &TformMain::alphablend1Click },
        { &Ui::TformMain::MenuBar1, &TformMain::MenuBarMenuClick },
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
