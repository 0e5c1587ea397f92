#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;

// The program's text form: only CR LF breaks a line and counts as two
// characters. QTextDocument turns every CR, LF, U+2028 and U+2029 into a line
// break of one position, so the document keeps each lone break character as a
// visible stand-in (a control picture) whose char format records the original.
// The format, not the glyph, decides: a real control picture typed by the
// user stays what it is.

struct DocumentForm
{
    QString text; // '\n' wherever CR LF stood
    QList<std::pair<int, char16_t>> marks; // stand-in position and original character
};

DocumentForm ToDocumentForm(QStringView programText);
// The same, reusing the text's own buffer.
DocumentForm ToDocumentForm(QString &&programText);

// Inserts program text at the cursor as one edit (the caller groups undo).
void InsertProgramText(QTextCursor &cursor, QStringView programText);
// Gives the stand-ins of form.marks, which start at document position base,
// their original characters.
void ApplyMarks(QTextDocument &document, const DocumentForm &form, int base);

// Program text of the document positions [from, to).
QString ProgramText(const QTextDocument &document, int from, int to);
QString ProgramText(const QTextDocument &document);

// Positions: the program counts CR LF as two, the document counts one
// separator per block. Both are logarithmic in the block count.
int ProgramLength(const QTextDocument &document);
int ToProgramIndex(const QTextDocument &document, int position);
// An index between CR and LF, or beyond the text, is clamped to the line end.
int ToDocumentPosition(const QTextDocument &document, int index);

// CR LF to LF, then LF to CR LF: every line feed becomes a line break, a lone
// CR stays.
QString NormalizeLineBreaks(const QString &text);

class QTextCharFormat;
// True for the format of a lone line-break stand-in.
bool IsMarkFormat(const QTextCharFormat &format);
