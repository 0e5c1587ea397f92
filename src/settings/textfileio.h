#pragma once

#include "text/encodings.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QLockFile;

// A settings file's text, with the layout of its bytes so that a rewrite keeps it.
struct SettingsFileText
{
    QString text;
    Encoding encoding = Encoding::Utf16LE;
    bool byteOrderMark = true;
    bool clean = true; // false when some bytes did not decode
};

// By byte order mark; without one UTF-8 when valid, otherwise 8-bit.
SettingsFileText decodeText(const QByteArray &bytes);
// 8-bit text holding characters outside Windows-1252, or whose bytes would read
// back as UTF-8, goes out as UTF-16 LE so that it comes back as it was.
QByteArray encodeText(const QString &text, Encoding encoding, bool byteOrderMark);

enum class ReadResult { Read, Missing, Failed };

// The whole file; Missing when there is nothing at path, Failed for anything
// but a regular file.
ReadResult readWholeFile(const QString &path, QByteArray &bytes, QString &error);

// Whether the file exists and its owner may not write it (the read-only attribute).
bool isReadOnlyFile(const QString &path);

// Lock file beside path, shared by every process writing that file.
QString lockFilePathFor(const QString &path);
// Waits a few seconds for the lock; false (with error set) when it stays taken.
bool acquireLock(QLockFile &lock, QString &error);
