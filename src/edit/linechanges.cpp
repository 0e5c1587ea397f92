#include "linechanges.h"

namespace {

// Characters that break a line or stand for something else in the editor,
// except a CR directly followed by LF.
bool HasStandIns(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // Nearly every character: none of those below lies between.
        if (c > u'\r' && c < 0x2028)
            continue;
        switch (c) {
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
                break;
            }
            return true;
        case u'\n':
        case 0x2028:
        case 0x2029:
        case 0xFDD0:
        case 0xFDD1:
            return true;
        default:
            break;
        }
    }
    return false;
}

LineChange ChangeWithin(int line, QStringView before, QStringView after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (
        tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return { line, int(head), int(before.size() - head - tail),
        after.sliced(head, after.size() - head - tail).toString() };
}

} // namespace

std::optional<std::vector<LineChange>> LineChanges(QStringView oldText, QStringView newText)
{
    if (HasStandIns(oldText) || HasStandIns(newText))
        return std::nullopt;
    const QLatin1StringView crlf("\r\n");
    std::vector<LineChange> changes;
    qsizetype oldFrom = 0;
    qsizetype newFrom = 0;
    for (int line = 0;; ++line) {
        const qsizetype oldEnd = oldText.indexOf(crlf, oldFrom);
        const qsizetype newEnd = newText.indexOf(crlf, newFrom);
        if ((oldEnd < 0) != (newEnd < 0))
            return std::nullopt;
        const QStringView before
            = oldText.sliced(oldFrom, (oldEnd < 0 ? oldText.size() : oldEnd) - oldFrom);
        const QStringView after
            = newText.sliced(newFrom, (newEnd < 0 ? newText.size() : newEnd) - newFrom);
        if (before != after)
            changes.push_back(ChangeWithin(line, before, after));
        if (oldEnd < 0)
            return changes;
        oldFrom = oldEnd + 2;
        newFrom = newEnd + 2;
    }
}
