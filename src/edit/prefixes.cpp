#include "prefixes.h"

#include "selectedlines.h"

#include <algorithm>

namespace {

constexpr int MaxShownLength = 36;
constexpr int ShortenedLength = 33;

} // namespace

void PrefixMemory::SetBaseCaptions(QString addLastCaption, QString removeLastCaption)
{
    m_addLastCaption = std::move(addLastCaption);
    m_removeLastCaption = std::move(removeLastCaption);
}

void PrefixMemory::SetLastPrefix(const QString &prefix)
{
    m_lastPrefix = prefix;
}

QString PrefixMemory::AddCaption() const
{
    return CaptionWith(m_addLastCaption);
}

QString PrefixMemory::RemoveCaption() const
{
    return CaptionWith(m_removeLastCaption);
}

QString PrefixMemory::CaptionWith(const QString &base) const
{
    if (m_lastPrefix.isEmpty())
        return base;
    return base + QStringLiteral(" (") + ShownPrefix(m_lastPrefix) + u')';
}

QString ShownPrefix(const QString &prefix)
{
    if (prefix.size() <= MaxShownLength)
        return prefix;
    return prefix.left(ShortenedLength) + QStringLiteral("...");
}

std::optional<PrefixEdit> AddRemovePrefix(
    const EditRequest &request, const QString &prefix, bool add)
{
    if (prefix.isEmpty())
        return std::nullopt;
    const SelectedLines lines = FindSelectedLines(request);
    QStringList texts = ReadLines(request.source, lines);
    bool changed = false;
    for (QString &text : texts) {
        if (add) {
            text.prepend(prefix);
            changed = true;
        } else if (text.startsWith(prefix)) {
            text.remove(0, prefix.size());
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    const int length = int(prefix.size());
    // A removal never moves the selection in front of its line.
    const int shift = add ? length : std::max(lines.blockStart - request.SelStart(), -length);
    return PrefixEdit { ReplacingLines(lines, texts), lines.SingleLine(), shift };
}
