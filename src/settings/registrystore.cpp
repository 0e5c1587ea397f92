#include "registrystore.h"

#include "l10n/messages.h"
#include "text/textsave.h"
#include "textfileio.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace {

const QString currentUserName = QStringLiteral("HKEY_CURRENT_USER");
const QString localMachineName = QStringLiteral("HKEY_LOCAL_MACHINE");
const QString classesRootName = QStringLiteral("HKEY_CLASSES_ROOT");
const QString classesSubkey = QStringLiteral("\\Software\\Classes");
const QString fileHeader = QStringLiteral("Windows Registry Editor Version 5.00");

struct RegValue
{
    QString name;
    QString data; // the text of a string value, the raw text of any other
    bool isString = true;
};

struct RegKey
{
    QString path; // full path beginning with the root's name
    std::vector<RegValue> values;
    QHash<QString, qsizetype> positions; // case-folded value name -> index in values
};

// The file as read. damaged means rewriting it would lose something, so the
// old file is kept aside first.
struct RegFile
{
    std::vector<RegKey> keys;
    QHash<QString, qsizetype> positions; // case-folded path -> index in keys
    bool damaged = false;
};

void reindexKeys(RegFile &file)
{
    file.positions.clear();
    for (qsizetype i = 0; i < qsizetype(file.keys.size()); ++i)
        file.positions.insert(file.keys[i].path.toCaseFolded(), i);
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isBelow(const QString &path, const QString &ancestor)
{
    return path.size() > ancestor.size() && path.at(ancestor.size()) == QLatin1Char('\\')
        && path.startsWith(ancestor, Qt::CaseInsensitive);
}

// "\a\\b\" -> "a\b": the parts between backslashes, empty ones dropped.
QString normalizedSubPath(const QString &keyPath)
{
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

QString joinPath(const QString &base, const QString &sub)
{
    return sub.isEmpty() ? base : base + QLatin1Char('\\') + sub;
}

// ---- reading ----------------------------------------------------------------

// Reads a quoted string starting at pos (on the opening quote); pos ends after the closing one.
bool parseQuoted(QStringView line, qsizetype &pos, QString &out)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return false;
    out.clear();
    ++pos;
    while (pos < line.size()) {
        // Copy plain runs in one go; only escapes need a look at each character.
        qsizetype stop = pos;
        while (stop < line.size() && line.at(stop) != QLatin1Char('"')
            && line.at(stop) != QLatin1Char('\\'))
            ++stop;
        out += line.sliced(pos, stop - pos);
        pos = stop;
        if (pos == line.size())
            return false;
        if (line.at(pos) == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (++pos == line.size())
            return false;
        const QChar e = line.at(pos++);
        if (e == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (e == QLatin1Char('\\') || e == QLatin1Char('"'))
            out += e;
        else
            return false;
    }
    return false;
}

bool parseValueLine(QStringView line, RegValue &value)
{
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        value.name.clear();
        pos = 1;
    } else if (!parseQuoted(line, pos, value.name)) {
        return false;
    }
    if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
        return false;
    ++pos;
    if (pos < line.size() && line.at(pos) == QLatin1Char('"')) {
        value.isString = true;
        return parseQuoted(line, pos, value.data) && line.sliced(pos).trimmed().isEmpty();
    }
    // dword:, hex: and the like are kept as they stand; "-" would be a deletion.
    value.isString = false;
    value.data = line.sliced(pos).toString();
    return !value.data.isEmpty() && value.data != QLatin1String("-");
}

// The full stored path for a key header, or an empty text when the root is unknown.
QString keyFromHeader(QStringView inner)
{
    const QString path = normalizedSubPath(inner.toString());
    const QString root = path.section(QLatin1Char('\\'), 0, 0);
    const QString rest = path.section(QLatin1Char('\\'), 1);
    if (sameName(root, currentUserName))
        return joinPath(currentUserName, rest);
    if (sameName(root, localMachineName))
        return joinPath(localMachineName, rest);
    // A hand-made export of the class view lands in the machine's half, where
    // a write through the view would have put it.
    if (sameName(root, classesRootName))
        return joinPath(localMachineName + classesSubkey, rest);
    return {};
}

// Works for const and non-const files alike.
template <typename File>
auto findKey(File &file, const QString &path) -> decltype(&file.keys.front())
{
    const auto it = file.positions.constFind(path.toCaseFolded());
    return it == file.positions.cend() ? nullptr : &file.keys[*it];
}

template <typename Key>
auto findValue(Key &key, const QString &name) -> decltype(&key.values.front())
{
    const auto it = key.positions.constFind(name.toCaseFolded());
    return it == key.positions.cend() ? nullptr : &key.values[*it];
}

void setValue(RegKey &key, const RegValue &value)
{
    if (RegValue *existing = findValue(key, value.name)) {
        existing->data = value.data;
        existing->isString = value.isString;
    } else {
        key.positions.insert(value.name.toCaseFolded(), qsizetype(key.values.size()));
        key.values.push_back(value);
    }
}

void removeValue(RegKey &key, const QString &name)
{
    const auto it = key.positions.constFind(name.toCaseFolded());
    if (it == key.positions.cend())
        return;
    key.values.erase(key.values.begin() + *it);
    key.positions.clear();
    for (qsizetype i = 0; i < qsizetype(key.values.size()); ++i)
        key.positions.insert(key.values[i].name.toCaseFolded(), i);
}

// The key and any missing parents are created; the roots themselves are not stored.
RegKey &ensureKey(RegFile &file, const QString &path)
{
    if (RegKey *key = findKey(file, path))
        return *key;
    const QString parent = path.left(path.lastIndexOf(QLatin1Char('\\')));
    if (parent.contains(QLatin1Char('\\')))
        ensureKey(file, parent);
    file.positions.insert(path.toCaseFolded(), qsizetype(file.keys.size()));
    file.keys.push_back(RegKey { path, {}, {} });
    return file.keys.back();
}

// Joins the lines of a value continued with a trailing backslash (hex data).
QString takeLogicalLine(const QStringList &lines, qsizetype &i)
{
    QString line = lines.at(i).trimmed();
    while (line.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
        line.chop(1);
        line += lines.at(++i).trimmed();
    }
    return line;
}

RegFile parseRegistryText(const QString &text)
{
    RegFile file;
    const QStringList lines = text.split(QLatin1Char('\n'));
    RegKey *current = nullptr; // none below a key that could not be read
    bool headerSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = takeLogicalLine(lines, i);
        if (line.isEmpty())
            continue;
        if (!headerSeen) {
            headerSeen = true;
            if (line == fileHeader || line == QLatin1String("REGEDIT4"))
                continue;
            file.damaged = true;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString path = keyFromHeader(QStringView(line).sliced(1, line.size() - 2));
            file.damaged = file.damaged || path.isEmpty();
            current = path.isEmpty() ? nullptr : &ensureKey(file, path);
            continue;
        }
        RegValue value;
        if (current && parseValueLine(line, value))
            setValue(*current, value);
        else
            file.damaged = true; // comments included: they would be lost
    }
    return file;
}

// ---- writing ----------------------------------------------------------------

QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out;
}

QString formatRegistryText(RegFile file)
{
    // Parents sort before their children, as in an export.
    std::sort(file.keys.begin(), file.keys.end(), [](const RegKey &a, const RegKey &b) {
        return a.path.compare(b.path, Qt::CaseInsensitive) < 0;
    });
    QString out = fileHeader + QLatin1String("\r\n\r\n");
    for (const RegKey &key : file.keys) {
        out += QLatin1Char('[') + key.path + QLatin1String("]\r\n");
        for (const RegValue &value : key.values) {
            out += value.name.isEmpty() ? QStringLiteral("@") : quoted(value.name);
            out += QLatin1Char('=') + (value.isString ? quoted(value.data) : value.data);
            out += QLatin1String("\r\n");
        }
        out += QLatin1String("\r\n");
    }
    return out;
}

// ---- the file on disk ---------------------------------------------------------

RegFile parseBytes(ReadResult result, const QByteArray &bytes)
{
    if (result == ReadResult::Missing)
        return {};
    if (result == ReadResult::Failed) {
        RegFile file;
        file.damaged = true;
        return file;
    }
    const SettingsFileText decoded = decodeText(bytes);
    RegFile file = parseRegistryText(decoded.text);
    file.damaged = file.damaged || !decoded.clean;
    return file;
}

// The unreadable file moves to a name of its own before it is written over.
bool keepAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside
            = path + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
    return QFile::rename(path, aside);
}

// Reads the file, lets change edit it and writes it back, all under the lock.
// change returns false when it fails; true with changed false needs no write.
template <typename Change> bool modifyFile(const QString &path, Change change)
{
    QString error;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(lockFilePathFor(path));
    if (!acquireLock(lock, error))
        return false;
    QByteArray bytes;
    const ReadResult read = readWholeFile(path, bytes, error);
    // A file that cannot be read at all may still hold everything: leave it be.
    if (read == ReadResult::Failed)
        return false;
    RegFile file = parseBytes(read, bytes);
    bool changed = false;
    if (!change(file, changed))
        return false;
    if (!changed)
        return true;
    // What could not be parsed is kept, or nothing is written over it.
    if (file.damaged && QFileInfo::exists(path) && !keepAside(path))
        return false;
    return WriteFileAtomically(
        path, encodeText(formatRegistryText(std::move(file)), Encoding::Utf16LE, true))
        .isEmpty();
}

QString rootPath(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? currentUserName : localMachineName;
}

// Where the merged class view finds a key: the user's copy when there is one.
QString classesPathFor(const RegFile &file, const QString &sub)
{
    const QString user = joinPath(currentUserName + classesSubkey, sub);
    if (findKey(file, user))
        return user;
    return joinPath(localMachineName + classesSubkey, sub);
}

// The stored key an operation acts on.
QString resolvedPath(const RegFile &file, const QString &keyPath, RegistryRoot root)
{
    const QString sub = normalizedSubPath(keyPath);
    if (root == RegistryRoot::ClassesRoot)
        return classesPathFor(file, sub);
    return joinPath(rootPath(root), sub);
}

// Every stored key a deletion through root removes: both halves of the class view.
QStringList deletionPaths(const QString &keyPath, RegistryRoot root)
{
    const QString sub = normalizedSubPath(keyPath);
    if (root == RegistryRoot::ClassesRoot)
        return { joinPath(currentUserName + classesSubkey, sub),
            joinPath(localMachineName + classesSubkey, sub) };
    return { joinPath(rootPath(root), sub) };
}

const RegValue *lookUp(
    const RegFile &file, const QString &keyPath, const QString &valueName, RegistryRoot root)
{
    const RegKey *key = findKey(file, resolvedPath(file, keyPath, root));
    return key ? findValue(*key, valueName) : nullptr;
}

} // namespace

// The last file read, so that reading the same bytes again skips the parsing.
struct RegistryStore::Cache
{
    ReadResult result = ReadResult::Missing;
    QByteArray bytes;
    RegFile file;
};

RegistryStore::RegistryStore(QString filePath)
    : m_filePath(std::move(filePath))
    , m_cache(std::make_unique<Cache>())
{ }

RegistryStore::~RegistryStore() = default;

const RegistryStore::Cache &RegistryStore::readCurrent() const
{
    if (m_batchDepth > 0 && m_batchRead)
        return *m_cache;
    QByteArray bytes;
    QString error;
    const ReadResult result = readWholeFile(m_filePath, bytes, error);
    if (result != m_cache->result || bytes != m_cache->bytes) {
        m_cache->file = parseBytes(result, bytes);
        m_cache->result = result;
        m_cache->bytes = std::move(bytes);
    }
    m_batchRead = m_batchDepth > 0;
    return *m_cache;
}

void RegistryStore::beginReadBatch()
{
    ++m_batchDepth;
}

void RegistryStore::endReadBatch()
{
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        m_batchRead = false;
}

QString RegistryStore::standardFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/orvane/registry.reg");
}

bool RegistryStore::writeRegistryString(
    const QString &valueName, const QString &data, const QString &keyPath, RegistryRoot root)
{
    if (writeDenied())
        return false;
    forgetBatchRead();
    return modifyFile(m_filePath, [&](RegFile &file, bool &changed) {
        RegKey &key = ensureKey(file, resolvedPath(file, keyPath, root));
        setValue(key, RegValue { valueName, data, true });
        changed = true;
        return true;
    });
}

bool RegistryStore::readRegistryString(
    const QString &keyPath, const QString &valueName, RegistryRoot root, QString &out) const
{
    const RegValue *value = lookUp(readCurrent().file, keyPath, valueName, root);
    if (!value || !value->isString)
        return false;
    out = value->data;
    return true;
}

bool RegistryStore::registryValueMatches(const QString &keyPath, const QString &valueName,
    RegistryRoot root, const QString &expected) const
{
    const RegValue *value = lookUp(readCurrent().file, keyPath, valueName, root);
    if (!value)
        return false;
    if (expected == QLatin1String("0"))
        return true;
    return value->isString && value->data == expected;
}

bool RegistryStore::deleteRegistryKey(const QString &keyPath, RegistryRoot root)
{
    if (writeDenied() || normalizedSubPath(keyPath).isEmpty())
        return false;
    forgetBatchRead();
    return modifyFile(m_filePath, [&](RegFile &file, bool &changed) {
        for (const QString &path : deletionPaths(keyPath, root)) {
            const auto removed = std::remove_if(file.keys.begin(), file.keys.end(),
                [&](const RegKey &k) { return sameName(k.path, path) || isBelow(k.path, path); });
            changed = changed || removed != file.keys.end();
            file.keys.erase(removed, file.keys.end());
        }
        reindexKeys(file);
        return changed; // a key that is not there cannot be deleted
    });
}

bool RegistryStore::deleteRegistryValue(
    const QString &keyPath, const QString &valueName, RegistryRoot root)
{
    if (writeDenied())
        return false;
    // A missing key needs no change, nor a folder for the file.
    const Cache &current = readCurrent();
    if (current.result == ReadResult::Failed)
        return false;
    const QStringList paths = deletionPaths(keyPath, root);
    if (std::none_of(paths.cbegin(), paths.cend(),
            [&](const QString &path) { return findKey(current.file, path); }))
        return true;
    forgetBatchRead();
    return modifyFile(m_filePath, [&](RegFile &file, bool &changed) {
        for (const QString &path : paths) {
            RegKey *key = findKey(file, path);
            if (!key)
                continue;
            changed = changed || findValue(*key, valueName);
            removeValue(*key, valueName);
        }
        return true;
    });
}

RegistryStore &processRegistry()
{
    static RegistryStore registry;
    return registry;
}

QString registryFailureMessage(bool noRegistryWriteOn)
{
    if (noRegistryWriteOn)
        return message(Msg::writeToRegDenied);
    return message(Msg::errorWritingReg) + QStringLiteral("\n\n") + message(Msg::notAdminHelpText);
}
