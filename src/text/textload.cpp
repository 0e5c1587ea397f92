#include "textload.h"

#include "l10n/messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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
        QCoreApplication::translate(
            "TextFiles", "The file is too large (%1 MB; at most %2 MB can be opened).")
            .arg((size + mb - 1) / mb)
            .arg(maxBytes / mb));
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
    const QByteArrayView body = bytes.startsWith(bom) ? bytes.sliced(bom.size()) : bytes;
    DecodedText decoded = DecodeBytes(body, use);
    return { std::move(decoded.text), use, decoded.invalidBytes };
}

bool isSpecialFile(const QString &path)
{
    // Folders fail to open anyway; devices and pipes could block or never end.
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

} // namespace

QString ToCrLf(QString source)
{
    const QStringView text = source;
    qsizetype lone = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n')
            ++lone;
        else if (c == u'\r') {
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
            else
                ++lone;
        }
    }
    if (lone == 0)
        return source;

    QString out(n + lone, Qt::Uninitialized);
    QChar *o = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            *o++ = u'\r';
            *o++ = u'\n';
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else {
            *o++ = c;
        }
    }
    return out;
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
    result.repaired = detection.doubledCarriageReturn;

    Encoding chosen = request.chosen;
    if (chosen == Encoding::None && detection.encoding == Encoding::None
        && request.westernLatinForNfo)
        chosen = Encoding::WesternLatin;
    result.documentEncoding = chosen != Encoding::None ? chosen : detection.encoding;
    result.nulPath = chosen == Encoding::None && detection.nulFound;

    FileBytes file;
    if (detection.repairedFile && !result.nulPath) {
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
        result.ok = true;
        return result;
    }

    Decoded decoded = decode(file.bytes, chosen != Encoding::None ? chosen : detection.encoding);
    if (decoded.invalidBytes && request.chosen == Encoding::None
        && decoded.used == Encoding::Utf8) {
        // Detected UTF-8 that is not: every byte shown as one character of the
        // 8-bit code page saves back unchanged, where replacement characters
        // would lose the bytes.
        decoded = { DecodeWindows1252(file.bytes), Encoding::Ansi, false };
        result.documentEncoding = Encoding::None;
    }
    result.text = ToCrLf(std::move(decoded.text));
    result.loadEncoding = decoded.used;
    result.invalidBytes = decoded.invalidBytes;
    result.ok = true;
    return result;
}

LoadResult LoadTextFile(const LoadRequest &request, TempCopyLocation &location)
{
    if (isSpecialFile(request.path)) {
        LoadResult refused;
        refused.error = openFailure(request.path);
        return refused;
    }
    const qint64 size = QFileInfo(request.path).size();
    if (size > request.maxBytes) {
        // Checked before detection, which would otherwise copy a huge file.
        LoadResult refused;
        refused.error = tooLarge(request.path, size, request.maxBytes);
        return refused;
    }
    return LoadDetectedFile(request, DetectEncoding(request.path, true, location));
}

LoadResult LoadTextFile(const LoadRequest &request)
{
    return LoadTextFile(request, ProcessTempCopyLocation());
}
