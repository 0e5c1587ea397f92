// The editor's keys and mouse: each event runs the window's steps in a fixed
// order, and each step says whether it took the event.
#include "form01_main.h"
#include "l10n/messages.h"
#include "links/memolinkview.h"
#include "platform/messagebox.h"
#include "search/form05_myfind.h"
#include "ui_form01_main.h"
#include "view/clipboardtext.h"
#include "view/tmemopad.h"

#include <QKeyEvent>
#include <QMouseEvent>

void TformMain::SetupInput()
{
    ui->Memo1->SetEvents(this);
}

// ---- keys -----------------------------------------------------------------

bool TformMain::MemoKeyDown(QKeyEvent *event)
{
    if (FormShortCut(*event))
        return true;
    return Memo1KeyDown(*event) || FormKeyPress(*event);
}

bool TformMain::FormShortCut(const QKeyEvent &event)
{
    KeyContext context;
    context.editorFocused = ui->Memo1->hasFocus();
    context.directScrolling = IsDirectScrollingActive(event.modifiers());
    context.leftRightScrolls = m_settings[SettingKey::directScrollingLeftRightEnabled].isOn();
    context.useWordDetection = m_settings[SettingKey::useWordDetection].isOn();
    context.quickPrefixEnabled = m_prefixMemory.QuickCommandsEnabled();
    return RunKeyAction(KeyTableAction(event.key(), event.modifiers(), context), event);
}

bool TformMain::RunKeyAction(KeyAction action, const QKeyEvent &event)
{
    switch (action) {
    case KeyAction::DeleteWordLeft:
        return DeleteWordLeft();
    case KeyAction::ScrollLeft:
    case KeyAction::ScrollRight:
    case KeyAction::ScrollUp:
    case KeyAction::ScrollDown:
        DirectScroll(action);
        return true;
    case KeyAction::WordLeft:
    case KeyAction::WordRight:
        MoveByWord(action == KeyAction::WordLeft, event.modifiers() & Qt::ShiftModifier);
        return true;
    case KeyAction::Indent:
    case KeyAction::Unindent:
        return IndentLines(action == KeyAction::Indent, false);
    case KeyAction::AskPrefixAdd:
    case KeyAction::AskPrefixRemove:
        m_findDialog->hide();
        AskPrefix(m_prefixMemory.LastPrefix(), action == KeyAction::AskPrefixAdd);
        return true;
    case KeyAction::Swallow:
        return true;
    default:
        return false;
    }
}

bool TformMain::IsDirectScrollingActive(Qt::KeyboardModifiers modifiers) const
{
    // Scroll Lock's state cannot be read here: it counts as off.
    return ::IsDirectScrollingActive(DirectScrolling::FromSettings(m_settings),
        !m_settings[SettingKey::allowTextChanges].isOn(), m_nfoFontActive,
        modifiers & Qt::AltModifier, ScrollLockState {});
}

// In a read-only editor the key goes on after the message, and does nothing there.
bool TformMain::DeleteWordLeft()
{
    TMemoPad *memo = ui->Memo1;
    if (memo->isReadOnly()) {
        ShowInfoBox(message(Msg::readOnlyInfo));
        return false;
    }
    const Selection word = MoveCaretByWord(
        m_linkFinder, MemoLinkView(*memo), { memo->Anchor(), memo->Caret() }, true, true);
    memo->SetSel(word.anchor, word.caret);
    memo->ReplaceSelection(QString(), false);
    return true;
}

void TformMain::MoveByWord(bool left, bool extend)
{
    TMemoPad *memo = ui->Memo1;
    const Selection moved = MoveCaretByWord(
        m_linkFinder, MemoLinkView(*memo), { memo->Anchor(), memo->Caret() }, left, extend);
    memo->SetSel(moved.anchor, moved.caret);
    memo->ScrollCaret();
}

void TformMain::DirectScroll(KeyAction action)
{
    const int n = m_settings[SettingKey::directScrollingLines].intValue();
    switch (action) {
    case KeyAction::ScrollLeft:
        ui->Memo1->LineScroll(-n, 0);
        break;
    case KeyAction::ScrollRight:
        ui->Memo1->LineScroll(n, 0);
        break;
    case KeyAction::ScrollUp:
        ui->Memo1->LineScroll(0, -n);
        break;
    default:
        ui->Memo1->LineScroll(0, n);
        break;
    }
}

bool TformMain::Memo1KeyDown(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (event.key() == Qt::Key_Insert && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) {
        m_overwriteMode = !m_overwriteMode;
        UpdateStatusBar(false);
        return true; // the control keeps no overwrite mode of its own
    }
    if (event.key() == Qt::Key_Escape)
        EscapeKey();
    OverwriteStep(event);
    MenuBarStep(modifiers, true);
    return false;
}

// The typed character replaces the one after the caret; line breaks are
// never overwritten.
void TformMain::OverwriteStep(const QKeyEvent &event)
{
    TMemoPad *memo = ui->Memo1;
    if (!m_overwriteMode || memo->SelLength() > 0
        || !OverwriteTakesKey(event.key(), event.modifiers()))
        return;
    const int caret = memo->Caret();
    const QString next = memo->TextRange(caret, caret + 1);
    if (next.isEmpty() || next == u"\r" || next == u"\n")
        return;
    memo->SetSel(caret, caret + 1);
}

void TformMain::EscapeKey()
{
    if (m_findDialog->isVisible())
        m_findDialog->hide();
    else if (MenuBarShownForAMoment())
        SetMenuBarVisible(false);
    else if (m_settings[SettingKey::escExits].isOn())
        close();
}

bool TformMain::FormKeyPress(const QKeyEvent &event)
{
    if (!TypesCharacter31(event.key(), event.modifiers(), event.text()))
        return false;
    ChangeZoom(ZoomStep::Out);
    return true;
}

// ---- mouse ----------------------------------------------------------------

void TformMain::MemoMouseDown(QMouseEvent *event)
{
    MouseDownSteps(event);
}

void TformMain::MouseDownSteps(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    m_clicks.mouseDownPoint = pos;
    m_clicks.wordDragAnchor = {};
    TMemoPad *memo = ui->Memo1;
    if (m_clicks.TakeTripleClick(memo->LineFromCharIndex(-1), pos.x())) {
        TripleClick();
        return;
    }
    if (!LinkPressStep(pos, event->modifiers()))
        WordPress(pos, event->modifiers());
}

void TformMain::TripleClick()
{
    TMemoPad *memo = ui->Memo1;
    const Selection line = LineSelection(MemoLinkView(*memo), memo->LineFromCharIndex(-1));
    memo->SetSel(line.anchor, line.caret);
    m_clicks.lineDragMode = true;
    m_clicks.wordDragAnchor = DragAnchor::Of(line);
}

void TformMain::WordPress(QPoint pos, Qt::KeyboardModifiers modifiers)
{
    TMemoPad *memo = ui->Memo1;
    const std::optional<LinkFinder::WordAt> word
        = m_linkFinder.FindWordAt(MemoLinkView(*memo), pos.x(), pos.y());
    if (!word)
        return;
    const bool shift = modifiers & Qt::ShiftModifier;
    if ((modifiers & Qt::ControlModifier) && word->range.length > 0
        && m_settings[SettingKey::useWordDetection].isOn()) {
        if (shift)
            memo->SetSel(memo->Anchor(), memo->Anchor());
        else
            memo->SetSel(word->range.start, word->range.start + word->range.length);
    }
    m_clicks.wordDragAnchor = DragAnchor::Of({ memo->Anchor(), memo->Caret() });
    if (shift)
        ExtendSelection(pos, modifiers);
}

void TformMain::MemoMouseMove(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    MenuBarStep(event->modifiers(), false);
    LinkHoverStep(pos);
    ExtendSelection(pos, event->modifiers());
}

void TformMain::ExtendSelection(QPoint pos, Qt::KeyboardModifiers modifiers)
{
    if (!m_clicks.wordDragAnchor.IsSet())
        return;
    TMemoPad *memo = ui->Memo1;
    const MemoLinkView view(*memo);
    std::optional<Selection> extended;
    if (m_clicks.lineDragMode) {
        const TMemoPad::PointChar at = memo->CharFromPoint(pos.x(), pos.y());
        extended = LineDragSelection(view, m_clicks.wordDragAnchor, at.index);
    } else if ((m_clicks.wordDragMode || (modifiers & Qt::ControlModifier))
        && m_settings[SettingKey::useWordDetection].isOn()) {
        if (const auto word = m_linkFinder.FindWordAt(view, pos.x(), pos.y()))
            extended = WordDragSelection(m_clicks.wordDragAnchor, *word);
    }
    if (!extended)
        return;
    memo->SetSel(extended->anchor, extended->caret);
    memo->ScrollCaret();
}

void TformMain::MemoMouseUp(QMouseEvent *event)
{
    m_clicks.EndDrag();
    CopyOnSelect();
    LinkReleaseStep(event->button(), event->position().toPoint(), event->modifiers());
    m_clicks.mouseDownPoint = QPoint();
    m_clicks.wordDragAnchor = {};
}

void TformMain::CopyOnSelect()
{
    TMemoPad *memo = ui->Memo1;
    if (!m_settings[SettingKey::copyOnSelect].isOn() || memo->SelLength() == 0)
        return;
    if (CopyTextToClipboard(memo->SelectedText(), false))
        memo->SetSel(memo->SelEnd(), memo->SelEnd());
}

void TformMain::MemoDblClick(QMouseEvent *event)
{
    Memo1DblClick(event->position().toPoint());
}

void TformMain::Memo1DblClick(QPoint pos)
{
    TMemoPad *memo = ui->Memo1;
    const MemoLinkView view(*memo);
    const LinkKind link = LinkDoubleClickStep(pos);
    bool wordRange = false;
    if (m_settings[SettingKey::useWordDetection].isOn()) {
        LinkFinder::TextSpan range;
        if (link != LinkKind::None) {
            range = m_linkFinder.FindLinkRange(view, pos.x(), pos.y());
        } else if (const auto word = m_linkFinder.FindWordAt(view, pos.x(), pos.y())) {
            range = word->range;
            wordRange = true;
        }
        if (range.length > 0)
            memo->SetSel(range.start, range.start + range.length);
    }
    m_clicks.wordDragMode = true;
    if (wordRange)
        m_clicks.wordDragAnchor = DragAnchor::Of({ memo->Anchor(), memo->Caret() });
    m_clicks.StartDoubleClick(memo->LineFromCharIndex(-1), pos.x());
}
