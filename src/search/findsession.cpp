#include "findsession.h"

#include "textsearch.h"

#include <algorithm>

std::optional<int> FindSession::Run(const EditSource &source, const QString &searchText,
    int selStart, int selLength, const SearchRun &run)
{
    // Down: where a match may begin; up: where it must end at the latest.
    int from = run.up ? (run.skipSelection ? selStart : selStart + selLength)
                      : (run.skipSelection ? selStart + selLength : selStart);
    if (run.fromTop && searchText != m_lastSearchText) {
        // A command going the other way keeps its place: Find Previous
        // after Find Next is no new search.
        if (!run.viaCommand || run.up == m_lastSearchUp)
            from = run.up ? source.TextLength() : 0;
        m_lastSearchText = searchText;
    }
    m_lastSearchUp = run.up;

    const auto search = [&](int at) {
        return run.up ? SearchBackward(source, searchText, run.matchCase, at)
                      : SearchForward(source, searchText, run.matchCase, at);
    };
    std::optional<int> found = search(from);
    if (!found && run.loop)
        found = search(run.up ? source.TextLength() : 0);
    if (!found && run.viaCommand)
        m_lastSearchText.clear();
    return found;
}

void FindSession::FieldChanged(const QString &fieldText, bool searchWhileTyping)
{
    if (m_lastSearchText.isEmpty() || !searchWhileTyping) {
        m_lastSearchText.clear();
        return;
    }
    const qsizetype grown = fieldText.size() - m_lastSearchText.size();
    const bool extended = grown == 1 && fieldText.startsWith(m_lastSearchText);
    const bool shortened = grown == -1 && m_lastSearchText.startsWith(fieldText);
    if (extended || shortened)
        m_lastSearchText = fieldText;
    else
        m_lastSearchText.clear();
}

int RevealScrollLines(bool movedDown, int matchLine, int firstVisible, int lastVisible, int margin)
{
    const int visible = lastVisible - firstVisible;
    if (margin <= 0)
        return 0;
    if (visible < 2 * margin)
        margin = int(margin * 0.5 + 0.5);
    if (margin <= 0 || visible <= 2 * margin)
        return 0;
    if (movedDown)
        return std::max(matchLine + margin - lastVisible, 0);
    const int target = std::max(matchLine - margin, 0);
    return std::min(target - firstVisible, 0);
}
