#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QLockFile;

// How a settings file's bytes are turned into text and back.
enum class TextEncoding { Utf16Le, Utf16Be, Utf8Bom, Utf8, Windows1252 };

struct SettingsFileText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf16Le;
    bool clean = true; // false when some bytes did not decode
};

// By byte order mark; without one UTF-8 when valid, otherwise 8-bit.
SettingsFileText decodeText(const QByteArray &bytes);
// 8-bit text holding characters outside Windows-1252 goes out as UTF-16 LE so that
// nothing turns into question marks.
QByteArray encodeText(const QString &text, TextEncoding encoding);

enum class ReadResult { Read, Missing, Failed };

// The whole file; Missing when there is nothing at path.
ReadResult readWholeFile(const QString &path, QByteArray &bytes, QString &error);

// Writes through a temporary file so a reader never sees half of it.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString &error);

// Whether the file exists and its owner may not write it (the read-only attribute).
bool isReadOnlyFile(const QString &path);

// Lock file beside path, shared by every process writing that file.
QString lockFilePathFor(const QString &path);
// Waits a few seconds for the lock; false (with error set) when it stays taken.
bool acquireLock(QLockFile &lock, QString &error);
