#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What an editing command reads: the text in the program's form (CR LF
// counts two characters) and its logical lines, the lines between CR LF
// breaks whatever word wrap shows. A command asks only for what it needs,
// so a one-line command on a large text copies one line.
class EditSource
{
public:
    virtual ~EditSource() = default;
    virtual int TextLength() const = 0;
    // Characters [start, end), clamped to the text.
    virtual QString TextRange(int start, int end) const = 0;
    virtual int LineCount() const = 0;
    // The logical line holding index; an index inside a CR LF belongs to
    // the line the break ends.
    virtual int LineFromChar(int index) const = 0;
    // -1 when there is no such line.
    virtual int LineStart(int line) const = 0;
    // Without the line break.
    virtual int LineLength(int line) const = 0;

    QString LineText(int line) const;
    QString Text() const { return TextRange(0, TextLength()); }
};

// A text held whole: for tests and for rules that work on a copy.
class StringEditSource final : public EditSource
{
public:
    explicit StringEditSource(QString text);

    int TextLength() const override { return int(m_text.size()); }
    QString TextRange(int start, int end) const override;
    int LineCount() const override { return int(m_lineStarts.size()); }
    int LineFromChar(int index) const override;
    int LineStart(int line) const override;
    int LineLength(int line) const override;

private:
    QString m_text;
    QList<int> m_lineStarts;
};

// The editor as a command sees it: its text and selection.
struct EditRequest
{
    const EditSource &source;
    int anchor = 0;
    int caret = 0;

    int SelStart() const { return std::min(anchor, caret); }
    int SelEnd() const { return std::max(anchor, caret); }
    int SelLength() const { return SelEnd() - SelStart(); }
    bool HasSelection() const { return anchor != caret; }
    QString SelectedText() const { return source.TextRange(SelStart(), SelEnd()); }
};

// What a command writes: the characters [start, end) become text, as one
// undoable edit. Afterwards the new text is selected, or the caret stands
// after it.
struct TextEdit
{
    int start = 0;
    int end = 0;
    QString text;
    bool selectInserted = true;
    // What [start, end) holds, from a command that read it whole anyway, so
    // that the editor need not read it again; null when not given.
    QString replaced = {};

    bool operator==(const TextEdit &) const = default;
};

// Nothing when the command has nothing to change.
using EditCommand = std::function<std::optional<TextEdit>(const EditRequest &)>;

// The selection replaced by text.
TextEdit ReplacingSelection(const EditRequest &request, QString text, bool selectInserted);
