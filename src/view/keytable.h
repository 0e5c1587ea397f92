#pragma once

#include "links/linkfinder.h"

#include <QStringView>
#include <Qt>

class LinkTextView;
class SettingsTable;

// What the window does with a key before the menu shortcuts and the editor
// see it.
enum class KeyAction {
    None, // not the window's: the key goes on
    DeleteWordLeft, // Ctrl+Backspace
    Indent, // Tab
    Unindent, // Shift+Tab
    AskPrefixAdd, // Alt+A
    AskPrefixRemove, // Alt+R
    ScrollLeft,
    ScrollRight,
    ScrollUp,
    ScrollDown,
    WordLeft, // Ctrl+Left, Shift extends
    WordRight,
    Swallow, // Ctrl+H, Ctrl+M: never Backspace or a line break
};

// The state a key is judged in.
struct KeyContext
{
    bool editorFocused = true;
    bool directScrolling = false; // IsDirectScrollingActive
    bool leftRightScrolls = true; // directScrollingLeftRightEnabled
    bool useWordDetection = true;
    bool quickPrefixEnabled = false; // a prefix string was used: Alt+A/R are menu shortcuts
};

// The window's key table; keypad keys are never the letters or arrows of
// the main keyboard (Alt with keypad digits types a character by its code).
KeyAction KeyTableAction(int key, Qt::KeyboardModifiers modifiers, const KeyContext &context);

// The direct scrolling switches, in the order they are tested.
struct DirectScrolling
{
    bool always = false;
    bool onReadOnly = false;
    bool forNfo = false;
    bool onAlt = true;
    bool onScrollLock = false;
    int lines = 3;

    static DirectScrolling FromSettings(const SettingsTable &settings);
};

struct ScrollLockState
{
    bool toggledOn = false;
    bool held = false;
};

bool IsDirectScrollingActive(const DirectScrolling &switches, bool readOnly, bool nfoFontActive,
    bool altDown, ScrollLockState scrollLock);

// Whether the overwrite step selects the character after the caret before
// this key is typed: Ctrl and Alt both held or both released (AltGr
// characters count), and not a key that types nothing or moves.
bool OverwriteTakesKey(int key, Qt::KeyboardModifiers modifiers);

// Whether a key types the control character 31 (Ctrl+minus, Ctrl+underscore),
// which zooms out and is never typed into the text.
bool TypesCharacter31(int key, Qt::KeyboardModifiers modifiers, QStringView text);

// Anchor and caret, as the editor holds them.
struct Selection
{
    int anchor = 0;
    int caret = 0;
    bool operator==(const Selection &) const = default;
};

// Ctrl+Left/Right by the word delimiters: the new selection. Without extend
// it collapses to the caret. With again, moving right also steps over one
// following single space, and moving left over a single space continues over
// the run before it. With only if space, a range that is not a single space
// leaves the selection as it is.
Selection MoveCaretByWord(const LinkFinder &finder, const LinkTextView &view, Selection current,
    bool left, bool extend, bool again = true, bool onlyIfSpace = false);
