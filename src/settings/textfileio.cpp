#include "textfileio.h"

#include "settingstr.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <cerrno>

SettingsFileText decodeText(const QByteArray &bytes)
{
    const Encoding marked = EncodingOfByteOrderMark(bytes);
    if (marked != Encoding::None) {
        DecodedText decoded
            = DecodeBytes(QByteArrayView(bytes).sliced(ByteOrderMark(marked).size()), marked);
        return { std::move(decoded.text), marked, true, !decoded.invalidBytes };
    }
    DecodedText utf8 = DecodeBytes(bytes, Encoding::Utf8);
    if (utf8.invalidBytes) // 8-bit text: every byte maps to one character and back
        return { DecodeWindows1252(bytes), Encoding::Ansi, false, true };
    return { std::move(utf8.text), Encoding::Utf8, false, true };
}

namespace {

// 8-bit bytes that would be read back as UTF-8 ("\xC3\xA9" for "Ã©") would
// come back as other text.
bool readsBackAsUtf8(const QByteArray &bytes)
{
    const bool multiByte
        = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) >= 0x80; });
    return multiByte && !DecodeBytes(bytes, Encoding::Utf8).invalidBytes;
}

} // namespace

QByteArray encodeText(const QString &text, Encoding encoding, bool byteOrderMark)
{
    if (encoding == Encoding::Ansi) {
        if (IsWindows1252Representable(text)) {
            QByteArray bytes = EncodeText(text, encoding);
            if (!readsBackAsUtf8(bytes))
                return bytes;
        }
        encoding = Encoding::Utf16LE;
        byteOrderMark = true;
    }
    return (byteOrderMark ? ByteOrderMark(encoding) : QByteArray()) + EncodeText(text, encoding);
}

ReadResult readWholeFile(const QString &path, QByteArray &bytes, QString &error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ReadResult::Missing;
    // Reading a pipe or a device could block start-up for ever.
    if (!info.isFile()) {
        error = Settings::Tr::tr("This is not a regular file.");
        return ReadResult::Failed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return ReadResult::Failed;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return ReadResult::Failed;
    }
    return ReadResult::Read;
}

bool isReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

QString lockFilePathFor(const QString &path)
{
    return path + QStringLiteral(".lock");
}

bool acquireLock(QLockFile &lock, QString &error)
{
    // Waiting cannot help when the folder is missing.
    if (!QFileInfo(QFileInfo(lock.fileName()).absolutePath()).isDir()) {
        error = qt_error_string(ENOENT);
        return false;
    }
    if (lock.tryLock(10000))
        return true;
    error = lock.error() == QLockFile::PermissionError ? qt_error_string(EACCES)
                                                       : qt_error_string(EBUSY);
    return false;
}
