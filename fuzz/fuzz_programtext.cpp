// The editor's text positions: program text (CR LF counts two) put into a
// text document and read back, and the mapping between the two position kinds.
#include "fuzzsupport.h"
#include "view/programtext.h"

#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    environment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t *>(data), qsizetype(qMin<size_t>(size, 4096) / 2));
    QTextDocument document;
    QTextCursor cursor(&document);
    InsertProgramText(cursor, text);
    require(ProgramText(document) == text, "the text comes back unchanged");
    require(ProgramLength(document) == text.size(), "the length counts CR LF as two");

    for (int index = 0; index <= text.size() + 1; ++index) {
        const int position = ToDocumentPosition(document, index);
        require(position >= 0 && position <= document.characterCount() - 1,
            "a position lies inside the document");
        const int back = ToProgramIndex(document, position);
        const bool insideBreak = index > 0 && index < text.size() && text.at(index - 1) == u'\r'
            && text.at(index) == u'\n';
        if (index <= text.size() && !insideBreak)
            require(back == index, "positions map back to their index");
        require(
            ProgramText(document, 0, position).size() == back, "a prefix has the index's length");
    }
    NormalizeLineBreaks(text);
    return 0;
}
