#include "openpath.h"

#include <QFile>
#include <QFileInfo>

QStringList PathCandidates(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    QStringList candidates { info.absoluteFilePath() };
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() && !candidates.contains(canonical))
        candidates << canonical;
    if (!candidates.contains(path))
        candidates << path;
    return candidates;
}

bool CanOpenForReading(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

std::optional<QString> ResolveOpenPath(
    const QString &path, const std::function<bool(const QString &)> &canOpen)
{
    for (const QString &candidate : PathCandidates(path)) {
        if (canOpen(candidate))
            return candidate;
    }
    return std::nullopt;
}
