#include "textload.h"

#include "l10n/messages.h"
#include "texttr.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 kReadBlock = 1024 * 1024;

QString openFailure(const QString &path, const QString &reason = {})
{
    QString text = message(Msg::openFileFailed) + path;
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    return text;
}

QString tooLarge(const QString &path, qint64 size, qint64 maxBytes)
{
    const qint64 mb = 1024 * 1024;
    return openFailure(path,
        Text::Tr::tr("The file is too large (%1 MB; at most %2 MB can be opened).")
            .arg((size + mb - 1) / mb)
            .arg(maxBytes / mb));
}

QString tooLargeForMemory(const QString &path, qint64 size, qint64 available)
{
    const qint64 mb = 1024 * 1024;
    return openFailure(path,
        QCoreApplication::translate("TextFiles",
            "There is not enough free memory to open the file (%1 MB; it needs about %2 MB of "
            "memory, %3 MB are free).")
            .arg((size + mb - 1) / mb)
            .arg(MemoryToLoad(size) / mb)
            .arg(available / mb));
}

struct FileBytes
{
    QByteArray bytes;
    QString error;
};

// Reads straight into one buffer of the file's size, then on in blocks
// up to the limit, since a file may grow after it was looked at.
FileBytes readFile(QFile &file, const QString &shownPath, qint64 maxBytes)
{
    const qint64 expected = file.size() - file.pos();
    if (expected > maxBytes)
        return { {}, tooLarge(shownPath, expected, maxBytes) };
    FileBytes result;
    result.bytes.resize(expected);
    const qint64 got = expected > 0 ? file.read(result.bytes.data(), expected) : 0;
    if (got < 0)
        return { {}, openFailure(shownPath, file.errorString()) };
    result.bytes.resize(got);
    while (!file.atEnd()) {
        const QByteArray block = file.read(kReadBlock);
        if (block.isEmpty())
            break;
        result.bytes += block;
        if (result.bytes.size() > maxBytes)
            return { {}, tooLarge(shownPath, result.bytes.size(), maxBytes) };
    }
    if (file.error() != QFileDevice::NoError)
        return { {}, openFailure(shownPath, file.errorString()) };
    return result;
}

struct Decoded
{
    QString text;
    Encoding used = Encoding::None;
    bool invalidBytes = false;
    bool marked = false; // began with the encoding's byte order mark
    QByteArray oddByte; // half a UTF-16 character at the end
};

// With no encoding a byte order mark decides, else the 8-bit code page.
// A byte order mark that matches the encoding is not part of the text.
Decoded decode(QByteArrayView bytes, Encoding wanted)
{
    Encoding use = wanted;
    if (use == Encoding::None)
        use = EncodingOfByteOrderMark(bytes);
    if (use == Encoding::None)
        use = Encoding::Ansi;
    const QByteArray bom = ByteOrderMark(use);
    const bool marked = !bom.isEmpty() && bytes.startsWith(bom);
    QByteArrayView body = marked ? bytes.sliced(bom.size()) : bytes;
    QByteArray oddByte;
    if (IsUtf16(use) && body.size() % 2 != 0) {
        oddByte = body.last(1).toByteArray();
        body.chop(1);
    }
    DecodedText decoded = DecodeBytes(body, use);
    return { std::move(decoded.text), use, decoded.invalidBytes || !oddByte.isEmpty(), marked,
        oddByte };
}

// Why a path cannot be loaded before trying: folders fail to open anyway,
// devices and pipes could block or never end, an undecodable name names
// nothing. Empty for a regular file.
QString specialFileReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && path.contains(QChar::ReplacementCharacter)) {
        // Qt puts U+FFFD for name bytes it cannot decode, so such a path
        // names no file; "no such file" would be wrong.
        return QCoreApplication::translate(
            "TextFiles", "The file name is not valid in the system's encoding and cannot be read.");
    }
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return Text::Tr::tr("It is a folder, not a file.");
    return Text::Tr::tr("It is a device or a pipe, not a regular file.");
}

} // namespace

std::optional<qint64> AvailableMemoryBytes()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray key("MemAvailable:");
    for (QByteArray line = meminfo.readLine(); !line.isEmpty(); line = meminfo.readLine()) {
        if (!line.startsWith(key))
            continue;
        // "MemAvailable:   123456 kB"
        bool ok = false;
        const qint64 kb = line.mid(key.size()).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? std::optional<qint64>(kb * 1024) : std::nullopt;
    }
    return std::nullopt;
}

QString ToCrLf(QString text)
{
    const char16_t *begin = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *end = begin + text.size();
    qsizetype lone = 0;
    for (const char16_t *p = begin; p < end; ++p) {
        if (*p == u'\n')
            ++lone;
        else if (*p == u'\r' && (p + 1 == end || p[1] != u'\n'))
            ++lone;
        else if (*p == u'\r')
            ++p;
    }
    if (lone == 0)
        return text;

    // Grown in place and filled from the back: a big text is not copied
    // into a second buffer.
    const qsizetype n = text.size();
    text.resize(n + lone);
    char16_t *d = reinterpret_cast<char16_t *>(text.data());
    qsizetype w = n + lone;
    for (qsizetype r = n; r-- > 0 && w > r + 1;) {
        const char16_t c = d[r];
        if (c == u'\n' || c == u'\r') {
            d[--w] = u'\n';
            d[--w] = u'\r';
            if (c == u'\n' && r > 0 && d[r - 1] == u'\r')
                --r;
        } else {
            d[--w] = c;
        }
    }
    return text;
}

QString ReadBytesAsText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes)
        *out++ = b == 0 ? QChar(u' ') : QChar(char16_t(static_cast<unsigned char>(b)));
    return text;
}

LoadResult LoadDetectedFile(const LoadRequest &request, const Detection &detection)
{
    LoadResult result;
    result.fileOpened = detection.fileOpened;

    // An NFO file forced to the code page is read as text, NUL bytes and all.
    const bool forcedNfo = request.chosen == Encoding::None && detection.encoding == Encoding::None
        && request.westernLatinForNfo;
    result.nulPath = request.chosen == Encoding::None && !forcedNfo && detection.nulFound;
    // The byte-wise repair would split UTF-16 characters: their file is read as it is.
    const bool useCopy = detection.repairedFile && !result.nulPath
        && !IsUtf16(request.chosen != Encoding::None ? request.chosen : detection.encoding);
    result.repaired = useCopy;

    FileBytes file;
    if (useCopy) {
        file = readFile(*detection.repairedFile, request.path, request.maxBytes);
    } else {
        // The NUL path shows the file itself, never the repaired copy.
        QFile original(request.path);
        if (original.open(QIODevice::ReadOnly))
            file = readFile(original, request.path, request.maxBytes);
        else
            file.error = openFailure(request.path, original.errorString());
    }
    if (detection.repairedFile)
        detection.repairedFile->remove();
    if (!file.error.isEmpty()) {
        result.error = file.error;
        return result;
    }

    if (result.nulPath) {
        result.text = ReadBytesAsText(file.bytes);
        result.form.lineEnds = LineEndsOf(result.text);
        result.ok = true;
        return result;
    }

    Encoding chosen = request.chosen;
    Encoding detected = detection.encoding;
    if (chosen == Encoding::None && detected == Encoding::None && !detection.nulFound
        && IsUtf8Text(file.bytes))
        detected = Encoding::Utf8; // the sample was plain ASCII, the rest is UTF-8
    else if (forcedNfo)
        chosen = Encoding::WesternLatin;
    result.documentEncoding = chosen != Encoding::None ? chosen : detected;

    Decoded decoded = decode(file.bytes, result.documentEncoding);
    result.form.lineEnds = useCopy ? LineEnds::CrLf : LineEndsOf(decoded.text);
    if (IsUnicode(decoded.used) && !decoded.marked)
        result.form.unmarked = decoded.used;
    if (!decoded.oddByte.isEmpty()) {
        result.form.oddByte = decoded.oddByte;
        result.form.oddByteEncoding = decoded.used;
    }
    result.text = ToCrLf(std::move(decoded.text));
    result.loadEncoding = decoded.used;
    result.invalidBytes = decoded.invalidBytes;
    result.ok = true;
    return result;
}

bool IsUtf8Text(QByteArrayView bytes)
{
    // Plain ASCII is not UTF-8 here: it loads as 8-bit text, as ever.
    const qsizetype first = std::find_if(bytes.begin(), bytes.end(), [](char b) {
        return static_cast<unsigned char>(b) >= 0x80;
    }) - bytes.begin();
    return first < bytes.size() && IsValidUtf8(bytes.sliced(first));
}

LoadResult LoadTextFile(const LoadRequest &request, TempCopyLocation &location)
{
    if (const QString reason = specialFileReason(request.path); !reason.isEmpty()) {
        LoadResult refused;
        refused.error = openFailure(request.path, reason);
        return refused;
    }
    const qint64 size = QFileInfo(request.path).size();
    if (size > request.maxBytes) {
        // Checked before detection, which would otherwise copy a huge file.
        LoadResult refused;
        refused.error = tooLarge(request.path, size, request.maxBytes);
        return refused;
    }
    if (request.availableMemory && MemoryToLoad(size) > *request.availableMemory) {
        LoadResult refused;
        refused.error = tooLargeForMemory(request.path, size, *request.availableMemory);
        return refused;
    }
    return LoadDetectedFile(request, DetectEncoding(request.path, true, location));
}

LoadResult LoadTextFile(const LoadRequest &request)
{
    return LoadTextFile(request, ProcessTempCopyLocation());
}
