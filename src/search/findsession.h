#pragma once

#include "edit/editcommand.h"

#include <QString>

#include <optional>

// How one search runs: who started it and the dialog's options.
struct SearchRun
{
    bool viaCommand = false; // Find Next or Find Previous
    bool matchCase = false;
    bool loop = false;
    bool fromTop = false; // a new search text starts at the top (or end)
    bool up = false;
    bool skipSelection = true; // false: the selected match may be found again
};

// The search memory of one program run: which text the last new search
// looked for and in which direction the last search went.
class FindSession
{
public:
    // The offset of the match the search selects; nothing when none was found.
    std::optional<int> Run(const EditSource &source, const QString &searchText, int selStart,
        int selLength, const SearchRun &run);
    // The field changed to fieldText: typing or deleting one character at
    // the end goes on with the current search instead of starting anew.
    void FieldChanged(const QString &fieldText, bool searchWhileTyping);

    const QString &lastSearchText() const { return m_lastSearchText; }
    bool lastSearchUp() const { return m_lastSearchUp; }

private:
    QString m_lastSearchText;
    bool m_lastSearchUp = false;
};

// Lines to scroll so that a match selected at matchLine keeps margin lines
// of context; negative scrolls up, 0 leaves the view alone. visible lines
// run from firstVisible to lastVisible.
int RevealScrollLines(bool movedDown, int matchLine, int firstVisible, int lastVisible, int margin);
