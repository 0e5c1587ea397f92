// Line commands and line prefixes: the rules live in src/edit, these
// handlers read the editor, call them and apply the result.
#include "document/timedate.h"
#include "edit/form11_addremoveprefix.h"
#include "edit/linecommands.h"
#include "form01_main.h"
#include "l10n/messages.h"
#include "platform/messagebox.h"
#include "ui_form01_main.h"
#include "view/fontchoice.h"
#include "view/memoeditsource.h"
#include "view/resetscrolledposition.h"
#include "view/tmemopad.h"

#include <QKeyEvent>

namespace {

// A menu caption shows an ampersand only doubled.
QString MenuText(QString caption)
{
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Hands a menu shortcut to the menu that the editor would otherwise take as
// its own key (Shift+Del is Cut there).
class MenuKeyFirst : public QObject
{
public:
    MenuKeyFirst(QAction *action, QObject *parent)
        : QObject(parent)
        , m_action(action)
    { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!m_action->isEnabled() || QKeySequence(key->keyCombination()) != m_action->shortcut())
            return false;
        event->ignore();
        return true;
    }

private:
    QAction *m_action;
};

} // namespace

void TformMain::SetupLineCommands()
{
    m_prefixMemory.SetBaseCaptions(
        ui->Appendlaststringtoselectedlines1->text(), ui->Removelaststringtoselectedlines1->text());
    m_addRemovePrefix = new TformAddRemovePrefix(this);
    ui->Memo1->installEventFilter(new MenuKeyFirst(ui->Deleteline1, this));
    SetLastPrefix(m_settings[SettingKey::prefixString].value());
}

void TformMain::ApplyKeepingView(const TextEdit &edit, bool restoreSelection, int shift)
{
    ResetScrolledPosition view(ui->Memo1, restoreSelection, shift);
    ui->Memo1->ApplyEdit(edit);
    view.Restore();
}

void TformMain::Deleteline1Click()
{
    RunEditCommand(DeleteLine);
}

bool TformMain::IndentLines(bool indent, bool fromMenu)
{
    TMemoPad *memo = ui->Memo1;
    if (memo->isReadOnly()) {
        if (fromMenu)
            ShowInfoBox(message(Msg::readOnlyInfo));
        return false;
    }
    const MemoEditSource source(*memo);
    const EditRequest request { source, memo->Anchor(), memo->Caret() };
    if (indent && !fromMenu && !TabIndentsLines(request))
        return false;
    const int tabWidth = TabSizeInEffect(m_settings, m_nfoFontActive);
    if (const std::optional<TextEdit> edit = ::IndentLines(request, indent, tabWidth))
        ApplyKeepingView(*edit, false, 0);
    return true;
}

void TformMain::T1Click()
{
    IndentLines(true, true);
}

void TformMain::Untabifyselectedlines1Click()
{
    IndentLines(false, true);
}

void TformMain::SortselectedlinesAZ1Click()
{
    RunEditCommand([](const EditRequest &r) { return SortLines(r, true); });
}

void TformMain::SortselectedlinesZA1Click()
{
    RunEditCommand([](const EditRequest &r) { return SortLines(r, false); });
}

void TformMain::insertDate1Click()
{
    RunEditCommand([](const EditRequest &r) { return InsertText(r, TimeDateText()); });
}

void TformMain::SetLastPrefix(const QString &prefix)
{
    m_prefixMemory.SetLastPrefix(prefix);
    const bool enabled = m_prefixMemory.QuickCommandsEnabled();
    ui->Appendlaststringtoselectedlines1->setText(MenuText(m_prefixMemory.AddCaption()));
    ui->Removelaststringtoselectedlines1->setText(MenuText(m_prefixMemory.RemoveCaption()));
    ui->Appendlaststringtoselectedlines1->setEnabled(enabled);
    ui->Removelaststringtoselectedlines1->setEnabled(enabled);
}

void TformMain::AddRemovePrefix(const QString &prefix, bool add)
{
    TMemoPad *memo = ui->Memo1;
    if (memo->isReadOnly()) {
        ShowInfoBox(message(Msg::readOnlyInfo));
        return;
    }
    const MemoEditSource source(*memo);
    const EditRequest request { source, memo->Anchor(), memo->Caret() };
    if (const std::optional<PrefixEdit> edit = ::AddRemovePrefix(request, prefix, add))
        ApplyKeepingView(edit->edit, edit->singleLine, edit->shift);
}

void TformMain::AskPrefix(const QString &prefix, bool add)
{
    SettingsValue &remember = m_settings[SettingKey::rememberPrefixString];
    const std::optional<PrefixAnswer> answer
        = m_addRemovePrefix->AskPrefix(prefix, add, remember.isOn());
    // Without a window manager nothing hands the activation back.
    activateWindow();
    if (!answer)
        return;
    remember.setOn(answer->remember);
    m_settings[SettingKey::prefixString].setValue(answer->remember ? answer->prefix : QString());
    AddRemovePrefix(answer->prefix, answer->add);
    SetLastPrefix(answer->prefix);
}

void TformMain::Appendcustomstringtoselectedlines1Click()
{
    AskPrefix(m_prefixMemory.LastPrefix(), true);
}

void TformMain::Appendlaststringtoselectedlines1Click()
{
    if (ui->Memo1->hasFocus())
        AddRemovePrefix(m_prefixMemory.LastPrefix(), true);
}

void TformMain::Removelaststringtoselectedlines1Click()
{
    if (ui->Memo1->hasFocus())
        AddRemovePrefix(m_prefixMemory.LastPrefix(), false);
}
