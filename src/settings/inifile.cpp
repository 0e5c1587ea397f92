#include "inifile.h"

#include "text/textsave.h"

#include <QLockFile>
#include <QStringTokenizer>

#include <cerrno>

namespace {

struct ParsedLine
{
    enum Kind { Other, Section, Pair } kind = Other;
    QStringView name; // section name or key
    QStringView value;
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Only spaces and tabs go, as with the platform's profile functions: a
// no-break space is part of the value.
QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

ParsedLine parseLine(QStringView raw)
{
    ParsedLine parsed;
    const QStringView line = trimBlanks(raw);
    if (line.startsWith(QLatin1Char(';')))
        return parsed;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && line.size() >= 2) {
        parsed.kind = ParsedLine::Section;
        parsed.name = trimBlanks(line.sliced(1, line.size() - 2));
        return parsed;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return parsed;
    parsed.kind = ParsedLine::Pair;
    parsed.name = trimBlanks(line.left(equals));
    parsed.value = trimBlanks(line.sliced(equals + 1));
    return parsed;
}

bool sameName(QStringView a, QStringView b)
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
    return parseLine(m_lines.at(line)).value.toString();
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
        if (!m_lines.isEmpty() && !trimBlanks(m_lines.last()).isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(line);
        m_lines.append(QString());
        return;
    }
    // After the section's last non-blank line, before the blank line that ends it.
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimBlanks(m_lines.at(insertAt - 1)).isEmpty())
        --insertAt;
    m_lines.insert(insertAt, line);
}

void IniDocument::removeKey(const QString &section, const QString &key)
{
    const qsizetype line = findKey(section, key);
    if (line >= 0)
        m_lines.removeAt(line);
}

IniSection::IniSection(const QByteArray &bytes, const QString &section)
{
    const QString text = decodeText(bytes).text;
    bool inSection = false;
    for (QStringView line : QStringTokenizer(text, QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == ParsedLine::Section) {
            // Only the first section of that name counts, as in IniDocument.
            if (inSection)
                return;
            inSection = sameName(parsed.name, section);
        } else if (inSection && parsed.kind == ParsedLine::Pair) {
            const QString key = parsed.name.toString().toCaseFolded();
            if (!m_values.contains(key))
                m_values.insert(key, parsed.value.toString());
        }
    }
}

std::optional<QString> IniSection::value(const QString &key) const
{
    const auto it = m_values.constFind(key.toCaseFolded());
    if (it == m_values.cend())
        return std::nullopt;
    return *it;
}

IniSection readIniSection(const QString &path, const QString &section)
{
    QByteArray bytes;
    QString error;
    if (readWholeFile(path, bytes, error) != ReadResult::Read)
        return {};
    return IniSection(bytes, section);
}

std::optional<QString> readIniValue(const QString &path, const QString &section, const QString &key)
{
    return readIniSection(path, section).value(key);
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
