// The INI file: reading, the one-pass section reader, changing a key and
// writing the file back.
#include "fuzzsupport.h"
#include "settings/inifile.h"

#include <cstdint>

namespace {

const QString section = QStringLiteral("Settings");
const QString keys[] = { QStringLiteral("wordWrap"), QStringLiteral("saveToIni"),
    QStringLiteral("prefixString"), QStringLiteral("noRegistryWrite"), QStringLiteral("a") };

// Any one-line text; the reader drops outer spaces and tabs.
QString valueFrom(const QByteArray &bytes)
{
    QString value = QString::fromLatin1(bytes.left(40));
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    while (value.startsWith(QLatin1Char(' ')) || value.startsWith(QLatin1Char('\t')))
        value.remove(0, 1);
    while (value.endsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char('\t')))
        value.chop(1);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    environment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IniDocument document = IniDocument::fromBytes(bytes);
    const IniSection oneRead(bytes, section);
    for (const QString &key : keys)
        require(document.value(section, key) == oneRead.value(key), "both readers agree");

    const QString value = valueFrom(bytes);
    document.setValue(section, keys[size % 5], value);
    document.removeKey(section, keys[(size + 1) % 5]);
    const QByteArray written = document.toBytes();
    require(IniDocument::fromBytes(written).value(section, keys[size % 5]) == value,
        "a value written reads back");
    // A removal takes the key's first line; a second copy then answers, in both readers.
    require(IniSection(written, section).value(keys[(size + 1) % 5])
            == IniDocument::fromBytes(written).value(section, keys[(size + 1) % 5]),
        "both readers agree after a change");

    const QString path = environment().path("settings.ini");
    if (writeBytes(path, bytes)) {
        readIniValue(path, section, keys[0]);
        writeIniValue(path, section, keys[2], value);
        require(readIniValue(path, section, keys[2]) == value, "the file holds the value written");
    }
    return 0;
}
