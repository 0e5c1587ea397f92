#include "textfileio.h"

#include "text/encodings.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

namespace {

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes, bool &clean)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    clean = !decoder.hasError();
    return text;
}

// 8-bit text falls back to UTF-16 LE when it has characters the code page cannot hold.
TextEncoding encodingFor(const QString &text, TextEncoding wanted)
{
    if (wanted != TextEncoding::Windows1252)
        return wanted;
    return IsWindows1252Representable(text) ? wanted : TextEncoding::Utf16Le;
}

} // namespace

SettingsFileText decodeText(const QByteArray &bytes)
{
    SettingsFileText result;
    const QByteArrayView view(bytes);
    if (view.startsWith("\xFF\xFE")) {
        result.encoding = TextEncoding::Utf16Le;
        result.text = decodeWith(QStringConverter::Utf16LE, view.sliced(2), result.clean);
        result.clean = result.clean && view.size() % 2 == 0;
    } else if (view.startsWith("\xFE\xFF")) {
        result.encoding = TextEncoding::Utf16Be;
        result.text = decodeWith(QStringConverter::Utf16BE, view.sliced(2), result.clean);
        result.clean = result.clean && view.size() % 2 == 0;
    } else if (view.startsWith("\xEF\xBB\xBF")) {
        result.encoding = TextEncoding::Utf8Bom;
        result.text = decodeWith(QStringConverter::Utf8, view.sliced(3), result.clean);
    } else {
        bool valid = true;
        QString text = decodeWith(QStringConverter::Utf8, view, valid);
        if (valid) {
            result.encoding = TextEncoding::Utf8;
            result.text = std::move(text);
        } else {
            // 8-bit text: every byte maps to one character and back.
            result.encoding = TextEncoding::Windows1252;
            result.text = DecodeWindows1252(view);
        }
    }
    return result;
}

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    switch (encodingFor(text, encoding)) {
    case TextEncoding::Utf16Le:
        return QByteArray("\xFF\xFE", 2) + QStringEncoder(QStringConverter::Utf16LE)(text);
    case TextEncoding::Utf16Be:
        return QByteArray("\xFE\xFF", 2) + QStringEncoder(QStringConverter::Utf16BE)(text);
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Windows1252:
        return EncodeWindows1252(text);
    }
    return {};
}

ReadResult readWholeFile(const QString &path, QByteArray &bytes, QString &error)
{
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
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

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
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
