#include "textsave.h"

#include "texttr.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

QString saveFailure(const QString &path, const QString &reason)
{
    return Text::Tr::tr("Could not save file: ") + path + QLatin1Char('\n') + reason;
}

// Like the read-only attribute elsewhere: a file nobody may write to is not
// replaced, even by a user whom the system would let rename over it.
bool isReadOnly(const QFileInfo &info)
{
    // The mode bits; the "user" ones say what we may do, which for root is all.
    constexpr auto anyWrite
        = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

} // namespace

QByteArray EncodeForSave(
    QStringView text, Encoding encoding, Encoding loadEncoding, const FileForm &form)
{
    const Encoding use = encoding != Encoding::None ? encoding : loadEncoding;
    const QByteArray mark = use == form.unmarked ? QByteArray() : ByteOrderMark(use);
    QByteArray bytes = form.lineEnds == LineEnds::CrLf
        ? EncodeText(text, use, mark)
        : EncodeText(WithLineEnds(text, form.lineEnds), use, mark);
    if (use == form.oddByteEncoding)
        bytes += form.oddByte;
    return bytes;
}

QString WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || isReadOnly(info)))
        return Text::Tr::tr("The file is read-only or not a regular file.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

SaveResult SaveTextFile(const SaveRequest &request, QStringView text, const UnicodeWarning &warn)
{
    SaveResult result;
    Encoding encoding = request.encoding;
    if (encoding == Encoding::None && request.westernLatinForNfo)
        encoding = Encoding::WesternLatin;

    bool warned = false;
    while (!IsRepresentable(text, EncodingCodePage(encoding))) {
        warned = true;
        const UnicodeWarningAnswer answer = warn(encoding);
        if (answer == UnicodeWarningAnswer::Cancel) {
            result.outcome = SaveOutcome::Cancelled;
            result.encoding = request.encoding;
            return result;
        }
        if (answer == UnicodeWarningAnswer::SaveAnyway)
            break;
        encoding = Encoding::Utf8;
    }

    result.encoding = encoding;
    const QString reason = WriteFileAtomically(
        request.path, EncodeForSave(text, encoding, request.loadEncoding, request.form));
    if (!reason.isEmpty()) {
        result.error = saveFailure(request.path, reason);
        result.outcome = SaveOutcome::Failed;
    } else
        result.outcome = warned ? SaveOutcome::WrittenAfterWarning : SaveOutcome::Written;
    return result;
}
