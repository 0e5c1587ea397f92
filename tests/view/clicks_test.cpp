#include "../links/fakelinkview.h"
#include "view/clicks.h"

#include <gtest/gtest.h>

namespace {

TEST(TripleClickTest, TimeLineAndDistance)
{
    EXPECT_TRUE(IsTripleClick(0.1f, 2, 2, 40, 44));
    EXPECT_TRUE(IsTripleClick(0.29f, 2, 2, 40, 36));
    EXPECT_FALSE(IsTripleClick(0.3f, 2, 2, 40, 40));
    EXPECT_FALSE(IsTripleClick(0.1f, 3, 2, 40, 40));
    EXPECT_FALSE(IsTripleClick(0.1f, 2, 2, 40, 45)); // 5 pixels to the side
    EXPECT_FALSE(IsTripleClick(0.1f, 2, 2, 45, 40));
}

TEST(TripleClickTest, EachDoubleClickGetsOneTest)
{
    ClickState clicks;
    EXPECT_FALSE(clicks.TakeTripleClick(0, 0)); // no double click yet
    clicks.StartDoubleClick(1, 20);
    EXPECT_FALSE(clicks.TakeTripleClick(2, 20)); // another line, and the test is used up
    EXPECT_FALSE(clicks.TakeTripleClick(1, 20));
    clicks.StartDoubleClick(1, 20);
    EXPECT_TRUE(clicks.TakeTripleClick(1, 22));
    EXPECT_FALSE(clicks.TakeTripleClick(1, 22));
}

// Lines: "first line" 0..10, "second" 12..18, "third one" 20..29.
const QString Lines = QStringLiteral("first line\r\nsecond\r\nthird one");

TEST(LineDragTest, WholeLinesInEitherDirection)
{
    const FakeLinkView view(Lines);
    EXPECT_EQ(LineSelection(view, 1), (Selection { 12, 18 }));
    const DragAnchor second = DragAnchor::Of(LineSelection(view, 1));
    EXPECT_EQ(second, (DragAnchor { 12, 6 }));
    // Down: from the anchor line's start to the end of the pointer's line.
    EXPECT_EQ(LineDragSelection(view, second, 23), (Selection { 12, 29 }));
    // Up: from the anchor line's end back to the start of the pointer's line.
    EXPECT_EQ(LineDragSelection(view, second, 3), (Selection { 18, 0 }));
    // On the anchor line itself it stays that line.
    EXPECT_EQ(LineDragSelection(view, second, 15), (Selection { 12, 18 }));
}

TEST(WordDragTest, FromTheAnchorsFarEndToTheWordsFarEnd)
{
    const DragAnchor anchor { 12, 6 }; // "second"
    // Forwards: anchor start to the end of "third".
    EXPECT_EQ(WordDragSelection(anchor, { { 20, 5 }, 22 }), (Selection { 12, 25 }));
    // Backwards: anchor end to the start of "line".
    EXPECT_EQ(WordDragSelection(anchor, { { 6, 4 }, 8 }), (Selection { 18, 6 }));
}

TEST(DragAnchorTest, BackwardSelectionGivesStartAndLength)
{
    EXPECT_EQ(DragAnchor::Of({ 9, 4 }), (DragAnchor { 4, 5 }));
    EXPECT_FALSE(DragAnchor {}.IsSet());
}

} // namespace
