#include "keytable.h"

#include "links/linktextview.h"
#include "settings/settingstable.h"

#include <algorithm>

namespace {

bool Has(Qt::KeyboardModifiers modifiers, Qt::KeyboardModifier one)
{
    return modifiers.testFlag(one);
}

bool IsArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

KeyAction ScrollAction(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return KeyAction::ScrollLeft;
    case Qt::Key_Right:
        return KeyAction::ScrollRight;
    case Qt::Key_Up:
        return KeyAction::ScrollUp;
    default:
        return KeyAction::ScrollDown;
    }
}

// Keys that type nothing, move or edit by themselves.
bool IsOverwriteExempt(int key)
{
    static const int exempt[] = {
        Qt::Key_Backspace,
        Qt::Key_Clear,
        Qt::Key_Return,
        Qt::Key_Enter,
        // modifiers, pause, locks and input-method keys
        Qt::Key_Shift,
        Qt::Key_Control,
        Qt::Key_Alt,
        Qt::Key_AltGr,
        Qt::Key_Meta,
        Qt::Key_Pause,
        Qt::Key_CapsLock,
        Qt::Key_Kana_Lock,
        Qt::Key_Kana_Shift,
        Qt::Key_Hangul,
        Qt::Key_Hangul_Jeonja,
        Qt::Key_Hangul_End,
        Qt::Key_Hangul_Hanja,
        Qt::Key_Kanji,
        Qt::Key_Escape,
        Qt::Key_Henkan,
        Qt::Key_Muhenkan,
        Qt::Key_Mode_switch,
        // navigation and editing keys
        Qt::Key_PageUp,
        Qt::Key_PageDown,
        Qt::Key_End,
        Qt::Key_Home,
        Qt::Key_Left,
        Qt::Key_Up,
        Qt::Key_Right,
        Qt::Key_Down,
        Qt::Key_Select,
        Qt::Key_Print,
        Qt::Key_Execute,
        Qt::Key_SysReq,
        Qt::Key_Insert,
        Qt::Key_Delete,
        Qt::Key_Help,
        // system keys
        Qt::Key_Super_L,
        Qt::Key_Super_R,
        Qt::Key_Menu,
        Qt::Key_Sleep,
        Qt::Key_NumLock,
        Qt::Key_ScrollLock,
    };
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return true;
    return std::find(std::begin(exempt), std::end(exempt), key) != std::end(exempt);
}

} // namespace

KeyAction KeyTableAction(int key, Qt::KeyboardModifiers modifiers, const KeyContext &context)
{
    const bool ctrl = Has(modifiers, Qt::ControlModifier);
    const bool alt = Has(modifiers, Qt::AltModifier);
    const bool shift = Has(modifiers, Qt::ShiftModifier);
    const bool keypad = Has(modifiers, Qt::KeypadModifier);
    const bool focused = context.editorFocused;

    if (focused && key == Qt::Key_Backspace && ctrl && !alt)
        return KeyAction::DeleteWordLeft;
    if (focused && key == Qt::Key_Backtab)
        return KeyAction::Unindent;
    if (focused && key == Qt::Key_Tab)
        return shift ? KeyAction::Unindent : KeyAction::Indent;
    if (focused && alt && !ctrl && !shift && !keypad && !context.quickPrefixEnabled) {
        if (key == Qt::Key_A)
            return KeyAction::AskPrefixAdd;
        if (key == Qt::Key_R)
            return KeyAction::AskPrefixRemove;
    }
    if (IsArrow(key) && context.directScrolling) {
        const bool leftRight = key == Qt::Key_Left || key == Qt::Key_Right;
        if (!leftRight || context.leftRightScrolls)
            return ScrollAction(key);
    }
    if (focused && ctrl && !alt && !context.directScrolling && context.useWordDetection) {
        if (key == Qt::Key_Left)
            return KeyAction::WordLeft;
        if (key == Qt::Key_Right)
            return KeyAction::WordRight;
    }
    // The classic control took these as Backspace, line break, Tab.
    const bool plainCtrl = ctrl && !alt && !shift && !keypad;
    if (plainCtrl && (key == Qt::Key_H || key == Qt::Key_M || key == Qt::Key_J || key == Qt::Key_I))
        return KeyAction::Swallow;
    return KeyAction::None;
}

DirectScrolling DirectScrolling::FromSettings(const SettingsTable &settings)
{
    DirectScrolling switches;
    switches.always = settings[SettingKey::directScrollingAlwaysEnabled].isOn();
    switches.onReadOnly = settings[SettingKey::directScrollingEnabledOnReadOnly].isOn();
    switches.forNfo = settings[SettingKey::directScrollingEnabledForNfo].isOn();
    switches.onAlt = settings[SettingKey::directScrollingEnabledOnAlt].isOn();
    switches.onScrollLock = settings[SettingKey::directScrollingEnabledOnScrollLock].isOn();
    switches.lines = settings[SettingKey::directScrollingLines].intValue();
    return switches;
}

bool IsDirectScrollingActive(const DirectScrolling &switches, bool readOnly, bool nfoFontActive,
    bool altDown, ScrollLockState scrollLock)
{
    return switches.always || (switches.onReadOnly && readOnly)
        || (switches.forNfo && nfoFontActive) || (switches.onAlt && altDown)
        || (switches.onScrollLock && scrollLock.toggledOn && !scrollLock.held);
}

bool OverwriteTakesKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = Has(modifiers, Qt::ControlModifier);
    const bool alt = Has(modifiers, Qt::AltModifier);
    return ctrl == alt && !IsOverwriteExempt(key);
}

bool TypesCharacter31(int key, Qt::KeyboardModifiers modifiers, QStringView text)
{
    if (text == u"\x1f")
        return true;
    const bool ctrlOnly = Has(modifiers, Qt::ControlModifier) && !Has(modifiers, Qt::AltModifier)
        && !Has(modifiers, Qt::KeypadModifier);
    return ctrlOnly && (key == Qt::Key_Minus || key == Qt::Key_Underscore);
}

Selection MoveCaretByWord(const LinkFinder &finder, const LinkTextView &view, Selection current,
    bool left, bool extend, bool again, bool onlyIfSpace)
{
    const LinkFinder::TextSpan range = finder.FindWordRange(view, current.caret, left ? 0 : 1);
    const bool singleSpace
        = range.length == 1 && view.TextRange(range.start, range.start + 1) == u" ";
    if (onlyIfSpace && !singleSpace)
        return current;
    const int target = left ? range.start : range.start + range.length;
    const Selection moved { extend ? current.anchor : target, target };
    if (again && !left)
        return MoveCaretByWord(finder, view, moved, false, extend, false, true);
    if (again && left && singleSpace)
        return MoveCaretByWord(finder, view, moved, true, extend, false, false);
    return moved;
}
