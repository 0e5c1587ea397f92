#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The file names a path from outside may mean, in the order they are tried:
// absolute, canonical (links resolved, only for a path that exists), and as
// given. The long-path prefix forms of other systems are the plain forms here.
QStringList PathCandidates(const QString &path);

// Whether path is a plain file that opens for reading: opening a pipe or a
// device could block.
bool CanOpenForReading(const QString &path);

// The first candidate for path that canOpen accepts.
std::optional<QString> ResolveOpenPath(
    const QString &path, const std::function<bool(const QString &)> &canOpen = CanOpenForReading);
