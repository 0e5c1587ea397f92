#pragma once

#include <QString>

#include <vector>

// One entry of a Qt translation source file.
struct TsMessage
{
    QString context;
    QString source;
    QString translation; // the first plural form for plural entries
    bool finished = false; // neither unfinished, vanished nor obsolete
};

struct TsFile
{
    QString language; // the language attribute, e.g. "de"
    std::vector<TsMessage> messages;
    QString error; // empty when the file was read
};

TsFile ReadTsFile(const QString &path);
