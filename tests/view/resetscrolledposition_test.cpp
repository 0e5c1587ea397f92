#include "editorfixture.h"
#include "view/resetscrolledposition.h"

#include <cmath>

namespace {

class ResetScrolledPositionTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        text = numberedLines(200, QStringLiteral("line of text"));
        editor->setText(text);
        // A backwards selection on line 40, the view scrolled to line 30.
        editor->SetSel(40 * 14 + 9, 40 * 14 + 2);
        editor->LineScroll(0, 30);
        ASSERT_EQ(editor->FirstVisibleLine(), 30);
    }

    QString text;
};

TEST_F(ResetScrolledPositionTest, RestoresSelectionWithItsDirectionAndTheView)
{
    ResetScrolledPosition saved(editor.get(), true);
    editor->setText(text); // resets selection and scrolling
    saved.Restore();
    EXPECT_EQ(editor->Anchor(), 40 * 14 + 9);
    EXPECT_EQ(editor->Caret(), 40 * 14 + 2);
    EXPECT_EQ(editor->FirstVisibleLine(), 30);
}

TEST_F(ResetScrolledPositionTest, OffsetFollowsTextInsertedBeforeTheSelection)
{
    ResetScrolledPosition saved(editor.get(), true, 3);
    editor->setText(QStringLiteral("new") + text);
    saved.Restore();
    EXPECT_EQ(editor->Anchor(), 40 * 14 + 12);
    EXPECT_EQ(editor->Caret(), 40 * 14 + 5);
}

TEST_F(ResetScrolledPositionTest, ChangedTextLeavesABareCaretAtTheOldStart)
{
    ResetScrolledPosition saved(editor.get(), true);
    editor->setText(numberedLines(5, QStringLiteral("other")) + text);
    saved.Restore();
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_EQ(editor->Caret(), 40 * 14 + 2);
    // Five more lines: the caret's line keeps its distance from the top.
    EXPECT_EQ(editor->FirstVisibleLine(), editor->LineFromCharIndex(-1) - 10);
}

TEST_F(ResetScrolledPositionTest, WithoutSelectionRestoreOnlyTheViewReturns)
{
    ResetScrolledPosition saved(editor.get(), false);
    editor->setText(text);
    editor->SetSel(3, 3);
    saved.Restore();
    EXPECT_EQ(editor->Caret(), 3);
    EXPECT_EQ(editor->FirstVisibleLine(), 30);
}

TEST_F(EditorTest, RestoresTheHorizontalScrollInWholeCharacters)
{
    const QString text = numberedLines(50, QString(400, QLatin1Char('w')));
    editor->setText(text);
    editor->LineScroll(12, 0);
    ResetScrolledPosition saved(editor.get(), false);
    editor->setText(text);
    ASSERT_EQ(editor->HorizontalScrollPos(), 0);
    saved.Restore();
    EXPECT_EQ(editor->HorizontalScrollPos(), 12 * editor->AverageCharWidth());
}

// Selection positions beyond 16 bits are unknown: the view keeps its place by ratio.
TEST_F(EditorTest, FallsBackToTheLineRatioBeyondSixteenBits)
{
    const QString text = numberedLines(30000);
    editor->setText(text);
    editor->SetSel(70000, 70000);
    editor->LineScroll(0, 20000 - editor->FirstVisibleLine());
    ASSERT_EQ(editor->FirstVisibleLine(), 20000);
    ResetScrolledPosition saved(editor.get(), false);
    editor->setText(text + text);
    editor->SetSel(70000, 70000);
    saved.Restore();
    EXPECT_EQ(editor->FirstVisibleLine(), int(std::floor(60001 * (20000.0f / 30001.0f) + 0.5)));
}

TEST(ResetScrolledPosition, WithoutAControlNothingHappens)
{
    ResetScrolledPosition saved(nullptr, true);
    saved.Restore();
}

} // namespace
