#include "../links/fakelinkview.h"
#include "view/keytable.h"

#include <gtest/gtest.h>

namespace {

constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Keypad = Qt::KeypadModifier;

struct KeyCase
{
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyContext context;
    KeyAction action;
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

KeyContext Scrolling(bool leftRight = true)
{
    KeyContext context;
    context.directScrolling = true;
    context.leftRightScrolls = leftRight;
    return context;
}

KeyContext Unfocused()
{
    KeyContext context;
    context.editorFocused = false;
    return context;
}

KeyContext QuickPrefix()
{
    KeyContext context;
    context.quickPrefixEnabled = true;
    return context;
}

KeyContext NoWordDetection()
{
    KeyContext context;
    context.useWordDetection = false;
    return context;
}

class KeyTableTest : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(KeyTableTest, Action)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(KeyTableAction(c.key, c.modifiers, c.context), c.action);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTableTest,
    ::testing::Values(
        KeyCase { "ctrl_backspace", Qt::Key_Backspace, Ctrl, {}, KeyAction::DeleteWordLeft },
        KeyCase {
            "ctrl_backspace_unfocused", Qt::Key_Backspace, Ctrl, Unfocused(), KeyAction::None },
        KeyCase { "plain_backspace", Qt::Key_Backspace, {}, {}, KeyAction::None },
        KeyCase { "tab", Qt::Key_Tab, {}, {}, KeyAction::Indent },
        KeyCase { "ctrl_tab_indents_too", Qt::Key_Tab, Ctrl, {}, KeyAction::Indent },
        KeyCase { "shift_tab", Qt::Key_Backtab, Shift, {}, KeyAction::Unindent },
        KeyCase { "alt_a", Qt::Key_A, Alt, {}, KeyAction::AskPrefixAdd },
        KeyCase { "alt_r", Qt::Key_R, Alt, {}, KeyAction::AskPrefixRemove },
        KeyCase {
            "alt_a_with_quick_prefix_is_the_menu", Qt::Key_A, Alt, QuickPrefix(), KeyAction::None },
        KeyCase { "ctrl_alt_a", Qt::Key_A, Ctrl | Alt, {}, KeyAction::None },
        KeyCase { "alt_shift_r", Qt::Key_R, Alt | Shift, {}, KeyAction::None },
        // Alt with keypad digits types a character by its code.
        KeyCase { "alt_keypad_6", Qt::Key_6, Alt | Keypad, {}, KeyAction::None },
        KeyCase { "alt_keypad_5", Qt::Key_5, Alt | Keypad, {}, KeyAction::None },
        KeyCase { "alt_down_scrolls", Qt::Key_Down, Alt, Scrolling(), KeyAction::ScrollDown },
        KeyCase { "up_scrolls_unfocused", Qt::Key_Up, {},
            [] {
                KeyContext c = Scrolling();
                c.editorFocused = false;
                return c;
            }(),
            KeyAction::ScrollUp },
        KeyCase { "left_scrolls", Qt::Key_Left, {}, Scrolling(), KeyAction::ScrollLeft },
        KeyCase {
            "right_without_left_right", Qt::Key_Right, {}, Scrolling(false), KeyAction::None },
        KeyCase { "ctrl_right_without_left_right_goes_to_the_platform", Qt::Key_Right, Ctrl,
            Scrolling(false), KeyAction::None },
        KeyCase { "down_without_scrolling", Qt::Key_Down, {}, {}, KeyAction::None },
        KeyCase { "ctrl_left", Qt::Key_Left, Ctrl, {}, KeyAction::WordLeft },
        KeyCase { "ctrl_shift_right", Qt::Key_Right, Ctrl | Shift, {}, KeyAction::WordRight },
        KeyCase { "ctrl_left_without_word_detection", Qt::Key_Left, Ctrl, NoWordDetection(),
            KeyAction::None },
        KeyCase { "ctrl_h", Qt::Key_H, Ctrl, {}, KeyAction::Swallow },
        KeyCase { "ctrl_m", Qt::Key_M, Ctrl, {}, KeyAction::Swallow },
        KeyCase { "ctrl_shift_h_is_not_backspace", Qt::Key_H, Ctrl | Shift, {}, KeyAction::None },
        KeyCase { "plain_letter", Qt::Key_A, {}, {}, KeyAction::None }),
    [](const auto &info) { return std::string(info.param.name); });

struct OverwriteCase
{
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool takes;
};

void PrintTo(const OverwriteCase &c, std::ostream *os)
{
    *os << c.name;
}

class OverwriteKeyTest : public ::testing::TestWithParam<OverwriteCase>
{
};

TEST_P(OverwriteKeyTest, Takes)
{
    const OverwriteCase &c = GetParam();
    EXPECT_EQ(OverwriteTakesKey(c.key, c.modifiers), c.takes);
}

INSTANTIATE_TEST_SUITE_P(Keys, OverwriteKeyTest,
    ::testing::Values(OverwriteCase { "letter", Qt::Key_A, {}, true },
        OverwriteCase { "shift_letter", Qt::Key_A, Shift, true },
        OverwriteCase { "altgr_character", Qt::Key_At, Ctrl | Alt, true },
        OverwriteCase { "tab_overwrites", Qt::Key_Tab, {}, true },
        OverwriteCase { "ctrl_letter", Qt::Key_C, Ctrl, false },
        OverwriteCase { "alt_letter", Qt::Key_F, Alt, false },
        OverwriteCase { "enter", Qt::Key_Return, {}, false },
        OverwriteCase { "keypad_enter", Qt::Key_Enter, Keypad, false },
        OverwriteCase { "backspace", Qt::Key_Backspace, {}, false },
        OverwriteCase { "delete", Qt::Key_Delete, {}, false },
        OverwriteCase { "right", Qt::Key_Right, {}, false },
        OverwriteCase { "shift_itself", Qt::Key_Shift, Shift, false },
        OverwriteCase { "escape", Qt::Key_Escape, {}, false },
        OverwriteCase { "f5", Qt::Key_F5, {}, false },
        OverwriteCase { "f13_types_nothing_but_counts", Qt::Key_F13, {}, true },
        OverwriteCase { "insert", Qt::Key_Insert, {}, false }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DirectScrollingTest, EachSwitchAndItsCondition)
{
    const DirectScrolling defaults;
    EXPECT_FALSE(IsDirectScrollingActive(defaults, false, false, false, {}));
    EXPECT_TRUE(IsDirectScrollingActive(defaults, false, false, true, {}));

    DirectScrolling off = defaults;
    off.onAlt = false;
    EXPECT_FALSE(IsDirectScrollingActive(off, true, true, true, { true, false }));

    DirectScrolling always = off;
    always.always = true;
    EXPECT_TRUE(IsDirectScrollingActive(always, false, false, false, {}));

    DirectScrolling readOnly = off;
    readOnly.onReadOnly = true;
    EXPECT_TRUE(IsDirectScrollingActive(readOnly, true, false, false, {}));
    EXPECT_FALSE(IsDirectScrollingActive(readOnly, false, true, false, {}));

    DirectScrolling nfo = off;
    nfo.forNfo = true;
    EXPECT_TRUE(IsDirectScrollingActive(nfo, false, true, false, {}));
    EXPECT_FALSE(IsDirectScrollingActive(nfo, true, false, false, {}));

    // Scroll Lock counts while toggled on, not while its key is held down.
    DirectScrolling lock = off;
    lock.onScrollLock = true;
    EXPECT_TRUE(IsDirectScrollingActive(lock, false, false, false, { true, false }));
    EXPECT_FALSE(IsDirectScrollingActive(lock, false, false, false, { true, true }));
    EXPECT_FALSE(IsDirectScrollingActive(lock, false, false, false, { false, false }));
}

TEST(Character31Test, CtrlMinusFromTheMainKeyboardOnly)
{
    EXPECT_TRUE(TypesCharacter31(Qt::Key_Minus, Ctrl, u""));
    EXPECT_TRUE(TypesCharacter31(Qt::Key_Underscore, Ctrl | Shift, u""));
    EXPECT_TRUE(TypesCharacter31(0, {}, u"\x1f"));
    EXPECT_FALSE(TypesCharacter31(Qt::Key_Minus, {}, u"-"));
    EXPECT_FALSE(TypesCharacter31(Qt::Key_Minus, Ctrl | Keypad, u""));
    EXPECT_FALSE(TypesCharacter31(Qt::Key_Minus, Ctrl | Alt, u""));
}

// ---- Ctrl+Left/Right ------------------------------------------------------

const QString DefaultDelimiters
    = QString::fromUtf16(u"\" \\n\\r\\t:()[]{}<>/\\,;.'\u00BF\u00A1!?\"=+-*|^~&%@\"");

struct WordMoveCase
{
    const char *name;
    const char16_t *text;
    int caret;
    bool left;
    int expected;
};

void PrintTo(const WordMoveCase &c, std::ostream *os)
{
    *os << c.name;
}

class MoveByWordTest : public ::testing::TestWithParam<WordMoveCase>
{
};

TEST_P(MoveByWordTest, CaretLandsThere)
{
    const WordMoveCase &c = GetParam();
    LinkFinder finder;
    finder.SetWordDelimiters(DefaultDelimiters);
    const FakeLinkView view(QString::fromUtf16(c.text));
    const Selection moved = MoveCaretByWord(finder, view, { c.caret, c.caret }, c.left, false);
    EXPECT_EQ(moved, (Selection { c.expected, c.expected }));
}

INSTANTIATE_TEST_SUITE_P(Words, MoveByWordTest,
    ::testing::Values(
        WordMoveCase { "left_over_one_space_to_previous_word", u"one two", 4, true, 0 },
        WordMoveCase { "left_over_two_spaces_stops_after_word", u"one  two", 5, true, 3 },
        WordMoveCase { "right_over_one_space_to_next_word", u"one two", 0, false, 4 },
        WordMoveCase { "right_with_two_spaces_stops_at_word_end", u"one  two", 0, false, 3 },
        WordMoveCase { "right_at_line_end_crosses_the_break", u"one\r\ntwo", 3, false, 5 },
        WordMoveCase { "right_at_line_end_then_a_single_space", u"one\r\n two", 3, false, 6 },
        WordMoveCase { "left_at_line_start_crosses_the_break", u"one\r\ntwo", 5, true, 3 },
        WordMoveCase { "right_inside_a_word", u"alpha beta", 2, false, 6 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MoveByWordExtendTest, ShiftKeepsTheAnchor)
{
    LinkFinder finder;
    finder.SetWordDelimiters(DefaultDelimiters);
    const FakeLinkView view(QStringLiteral("one two three"));
    EXPECT_EQ(MoveCaretByWord(finder, view, { 4, 4 }, false, true), (Selection { 4, 8 }));
    EXPECT_EQ(MoveCaretByWord(finder, view, { 8, 8 }, true, true), (Selection { 8, 4 }));
}

} // namespace
