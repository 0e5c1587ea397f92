#include "inifile.h"

#include "text/textsave.h"

#include <QLockFile>

#include <cerrno>

namespace {

struct ParsedLine
{
    enum Kind { Other, Section, Pair } kind = Other;
    QString name; // section name or key
    QString value;
};

ParsedLine parseLine(const QString &raw)
{
    ParsedLine parsed;
    const QString line = raw.trimmed();
    if (line.startsWith(QLatin1Char(';')))
        return parsed;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && line.size() >= 2) {
        parsed.kind = ParsedLine::Section;
        parsed.name = line.mid(1, line.size() - 2).trimmed();
        return parsed;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return parsed;
    parsed.kind = ParsedLine::Pair;
    parsed.name = line.left(equals).trimmed();
    parsed.value = line.mid(equals + 1).trimmed();
    return parsed;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line break inside a value would turn the rest into a line of its own.
QString singleLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// Read-modify-write of the file under its lock.
template <typename Change> IniResult changeIniFile(const QString &path, Change change)
{
    IniResult result;
    QLockFile lock(lockFilePathFor(path));
    if (!acquireLock(lock, result.error))
        return result;
    QByteArray bytes;
    if (readWholeFile(path, bytes, result.error) == ReadResult::Failed)
        return result;
    IniDocument document = IniDocument::fromBytes(bytes);
    if (!change(document, result.error))
        return result;
    result.ok = true;
    return result;
}

bool save(const QString &path, const IniDocument &document, QString &error)
{
    error = WriteFileAtomically(path, document.toBytes());
    return error.isEmpty();
}

} // namespace

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument document;
    if (bytes.isEmpty())
        return document;
    SettingsFileText decoded = decodeText(bytes);
    document.m_encoding = decoded.encoding;
    document.m_byteOrderMark = decoded.byteOrderMark;
    document.m_lines = decoded.text.split(QLatin1Char('\n'));
    for (QString &line : document.m_lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (document.m_lines.last().isEmpty())
        document.m_lines.removeLast();
    return document;
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + QLatin1String("\r\n");
    return encodeText(text, m_encoding, m_byteOrderMark);
}

qsizetype IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const ParsedLine parsed = parseLine(m_lines.at(i));
        if (parsed.kind == ParsedLine::Section && sameName(parsed.name, section))
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && parseLine(m_lines.at(i)).kind != ParsedLine::Section)
        ++i;
    return i;
}

qsizetype IniDocument::findKey(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return -1;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const ParsedLine parsed = parseLine(m_lines.at(i));
        if (parsed.kind == ParsedLine::Pair && sameName(parsed.name, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const qsizetype line = findKey(section, key);
    if (line < 0)
        return std::nullopt;
    return parseLine(m_lines.at(line)).value;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + singleLine(value);
    const qsizetype existing = findKey(section, key);
    if (existing >= 0) {
        m_lines[existing] = line;
        return;
    }
    const qsizetype header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(line);
        m_lines.append(QString());
        return;
    }
    // After the section's last non-blank line, before the blank line that ends it.
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, line);
}

void IniDocument::removeKey(const QString &section, const QString &key)
{
    const qsizetype line = findKey(section, key);
    if (line >= 0)
        m_lines.removeAt(line);
}

std::optional<QString> readIniValue(const QString &path, const QString &section, const QString &key)
{
    QByteArray bytes;
    QString error;
    if (readWholeFile(path, bytes, error) != ReadResult::Read)
        return std::nullopt;
    return IniDocument::fromBytes(bytes).value(section, key);
}

IniResult checkIniReadable(const QString &path)
{
    IniResult result;
    QByteArray bytes;
    const ReadResult read = readWholeFile(path, bytes, result.error);
    if (read == ReadResult::Missing)
        result.error = qt_error_string(ENOENT);
    result.ok = read == ReadResult::Read;
    return result;
}

IniResult writeIniValue(
    const QString &path, const QString &section, const QString &key, const QString &value)
{
    return changeIniFile(path, [&](IniDocument &document, QString &error) {
        document.setValue(section, key, value);
        return save(path, document, error);
    });
}

IniResult writeAndRemoveIniKey(
    const QString &path, const QString &section, const QString &key, const QString &value)
{
    return changeIniFile(path, [&](IniDocument &document, QString &error) {
        document.setValue(section, key, value);
        if (!save(path, document, error))
            return false;
        document.removeKey(section, key);
        return save(path, document, error);
    });
}
