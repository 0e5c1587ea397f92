#include "edit/editcommand.h"
#include "editorfixture.h"
#include "view/memoeditsource.h"

namespace {

const QString sample = QStringLiteral("ab\r\nc\rd\n\r\n\r\n\U0001F600e");

// The editor's logical lines must match those of the plain text, also while
// word wrap breaks the long line into several visual lines.
TEST_F(EditorTest, EditorSourceMatchesTheTextsLines)
{
    const QString text = sample + QStringLiteral("\r\n") + QString(500, u'w');
    for (const bool wrap : { false, true }) {
        editor->SetWordWrap(wrap);
        editor->setText(text);
        const MemoEditSource memo(*editor);
        const StringEditSource plain(text);
        ASSERT_EQ(memo.LineCount(), plain.LineCount()) << wrap;
        EXPECT_EQ(memo.TextLength(), plain.TextLength());
        for (int line = 0; line < plain.LineCount(); ++line) {
            EXPECT_EQ(memo.LineStart(line), plain.LineStart(line)) << line;
            EXPECT_EQ(memo.LineLength(line), plain.LineLength(line)) << line;
            EXPECT_EQ(memo.LineText(line), plain.LineText(line)) << line;
        }
        for (int index = 0; index <= plain.TextLength(); ++index)
            EXPECT_EQ(memo.LineFromChar(index), plain.LineFromChar(index)) << index;
        EXPECT_EQ(memo.TextRange(-1, 4), plain.TextRange(-1, 4));
    }
}

TEST_F(EditorTest, AnEditIsOneUndoStepAndSetsTheSelection)
{
    editor->setText(sample);
    editor->ApplyEdit({ 4, 8, QStringLiteral("XY\r\nZ"), true });
    EXPECT_EQ(editor->text(), QStringLiteral("ab\r\nXY\r\nZ\r\n\r\n\U0001F600e"));
    EXPECT_EQ(editor->Anchor(), 4);
    EXPECT_EQ(editor->Caret(), 9);

    editor->ApplyEdit({ 0, 2, QStringLiteral("q"), false });
    EXPECT_EQ(editor->Anchor(), 1);
    EXPECT_EQ(editor->Caret(), 1);

    editor->undo();
    editor->undo();
    EXPECT_EQ(editor->text(), sample);
}

// A large edit that keeps the lines changes them in place, with the same
// text, selection and single undo step as a replacement; one that cannot
// (a lone break) is replaced whole.
TEST_F(EditorTest, LargeEditsKeepingTheLinesActAsAReplacement)
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("line %1 of text\r\n").arg(i);
    text += QStringLiteral("last\rline");
    const int lastLine = int(text.lastIndexOf(QStringLiteral("\r\n")));
    // Once with the replaced text read by the editor, once given by the command.
    for (const bool selectInserted : { true, false }) {
        editor->setText(text);
        QString prefixed = QStringLiteral("> ") + text.left(lastLine);
        prefixed.replace(QStringLiteral("\r\n"), QStringLiteral("\r\n> "));
        const TextEdit edit { 0, lastLine, prefixed, selectInserted,
            selectInserted ? QString() : text.left(lastLine) };
        ASSERT_GE(edit.end - edit.start, TMemoPad::LineWiseFrom);
        editor->ApplyEdit(edit);
        EXPECT_EQ(editor->text(), prefixed + text.mid(lastLine));
        EXPECT_EQ(editor->Anchor(), selectInserted ? 0 : int(prefixed.size()));
        EXPECT_EQ(editor->Caret(), int(prefixed.size()));
        // The lone CR at the end stays a stand-in through a whole replacement.
        const QString all = QString(prefixed + text.mid(lastLine)).replace(u'l', u'L');
        editor->ApplyEdit({ 0, editor->TextLength(), all, true });
        EXPECT_EQ(editor->text(), all);
        editor->undo();
        EXPECT_EQ(editor->text(), prefixed + text.mid(lastLine));
        editor->undo();
        EXPECT_EQ(editor->text(), text);
    }
}

} // namespace
