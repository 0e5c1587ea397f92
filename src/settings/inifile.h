#pragma once

#include "textfileio.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// An INI file as lines, read and changed the way the platform's profile
// functions do it; lines it does not touch stay exactly as they were.
class IniDocument
{
public:
    static IniDocument fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    // Lines are trimmed, ";" starts a comment, blanks around the first "="
    // go, and section and key names ignore letter case.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Replaces the key's line, or adds one at the end of the section
    // (adding the section at the end of the file when it is missing).
    void setValue(const QString &section, const QString &key, const QString &value);
    void removeKey(const QString &section, const QString &key);

private:
    // Index of the section's header line, or -1.
    qsizetype findSection(const QString &section) const;
    // One past the section's last line.
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(const QString &section, const QString &key) const;

    QStringList m_lines; // without line ends; no empty last line for the final break
    Encoding m_encoding = Encoding::Utf16LE;
    bool m_byteOrderMark = true;
};

// The keys of one section, read in a single pass over the file's text, so
// that many reads cost one parse. Answers as IniDocument::value would.
class IniSection
{
public:
    IniSection() = default;
    IniSection(const QByteArray &bytes, const QString &section);
    std::optional<QString> value(const QString &key) const;

private:
    QHash<QString, QString> m_values; // case-folded key; the first line of a key wins
};

// Outcome of one read or change of an INI file on disk.
struct IniResult
{
    bool ok = false;
    QString error; // the system's text when not ok
};

// The value of key in section; nullopt when the file or key is missing or unreadable.
std::optional<QString> readIniValue(
    const QString &path, const QString &section, const QString &key);
// The whole section; empty when the file is missing or unreadable.
IniSection readIniSection(const QString &path, const QString &section);
// Whether the file can be opened and parsed.
IniResult checkIniReadable(const QString &path);
// Each call reads the file afresh, changes one key and writes it all back under a
// lock, so writers in other processes lose nothing. A read-only file is refused.
IniResult writeIniValue(
    const QString &path, const QString &section, const QString &key, const QString &value);
// Writes the key and removes it again: proves the file can be written.
IniResult writeAndRemoveIniKey(
    const QString &path, const QString &section, const QString &key, const QString &value);
