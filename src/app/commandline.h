#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine
{
    QString path; // empty: open nothing
    std::optional<QPoint> topLeft; // x = left, y = top
};

// Arguments without the program name.
CommandLine ParseCommandLine(const QStringList &arguments);
