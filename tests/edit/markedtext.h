#pragma once

#include "edit/editcommand.h"

#include <QString>

#include <optional>
#include <string>

// Texts for line-command cases, written as they read: "\n" stands for CR LF,
// '[' marks the anchor and ']' the caret of a selection, '|' a bare caret.
struct MarkedText
{
    QString text;
    int anchor = 0;
    int caret = 0;
};

inline MarkedText ParseMarked(const char *marked)
{
    MarkedText result;
    for (const QChar c : QString::fromUtf8(marked)) {
        const int here = int(result.text.size());
        if (c == u'[') {
            result.anchor = here;
        } else if (c == u']') {
            result.caret = here;
        } else if (c == u'|') {
            result.anchor = result.caret = here;
        } else if (c == u'\n') {
            result.text += QStringLiteral("\r\n");
        } else {
            result.text += c;
        }
    }
    return result;
}

// The text after edit, marked the same way ("unchanged" for no edit).
inline std::string ApplyMarked(const QString &text, const std::optional<TextEdit> &edit)
{
    if (!edit)
        return "unchanged";
    const int end = edit->start + int(edit->text.size());
    QString after = text.left(edit->start) + edit->text + text.mid(edit->end);
    if (edit->selectInserted) {
        after.insert(end, u']');
        after.insert(edit->start, u'[');
    } else {
        after.insert(end, u'|');
    }
    return after.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
}

// Runs command on a marked text and gives the marked result.
template <typename Command> std::string RunMarked(const char *marked, Command command)
{
    const MarkedText input = ParseMarked(marked);
    const StringEditSource source(input.text);
    return ApplyMarked(input.text, command(EditRequest { source, input.anchor, input.caret }));
}
