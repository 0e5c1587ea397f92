#pragma once

#include <QString>

class EditSource;

// The window title: the file name (or the program name alone while the
// document is untitled), with a star while it has unsaved changes.
QString TitleText(const QString &fileName, bool modified);

// The save dialog's proposal: the path without a final .txt, .nfo or .diz,
// written in lower case and found nowhere earlier in the path; nothing for
// the untitled document.
QString ProposedSaveName(const QString &fileName);

// An untitled document with no text, or only the untitled marker, has
// nothing worth saving. Reads at most one character of text.
bool IsEmptyUntitled(const QString &fileName, const EditSource &text);
