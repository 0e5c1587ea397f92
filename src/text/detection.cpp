#include "detection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

constexpr qsizetype kSampleSize = 1024;
// Doubled carriage returns are looked for in bytes 0 to 1024.
constexpr qsizetype kScanSize = kSampleSize + 1;
constexpr qsizetype kBlockSize = 64 * 1024;
const QString kCopyName = QStringLiteral("orvtmp.nfo");

int followingBytes(unsigned char lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

// Drops every CR that follows a CR (each byte is compared with the one read
// before it, dropped or not) and keeps every other byte. Lone LFs stay: the
// loader turns them into CR LF anyway, and a copy that grew could pass the
// size limit the original met.
class Repairer
{
public:
    // Returns whether b was dropped.
    bool take(char b)
    {
        const bool drop = m_previous == '\r' && b == '\r';
        m_previous = b;
        if (!drop)
            m_out += b;
        return drop;
    }
    QByteArray takeOutput()
    {
        QByteArray out;
        out.swap(m_out);
        return out;
    }

private:
    char m_previous = 0;
    QByteArray m_out;
};

// Streams the repaired file: the start already read, then the rest of source.
bool writeRepairedCopy(QFile &source, QByteArrayView head, QFile &copy)
{
    Repairer repairer;
    for (char b : head)
        repairer.take(b);
    if (copy.write(repairer.takeOutput()) < 0)
        return false;
    while (!source.atEnd()) {
        const QByteArray block = source.read(kBlockSize);
        if (block.isEmpty())
            return false; // a read error would leave a truncated copy
        for (char b : block)
            repairer.take(b);
        if (copy.write(repairer.takeOutput()) < 0)
            return false;
    }
    return copy.flush();
}

QStringList defaultCopyFolders()
{
    const QString temp = QDir(QDir::tempPath()).canonicalPath();
    return { temp.isEmpty() ? QDir::tempPath() : temp, QCoreApplication::applicationDirPath(),
        QDir::homePath() };
}

} // namespace

Utf8Check CheckUtf8(QByteArrayView sample)
{
    bool invalid = false;
    bool multiByteSeen = false;
    qsizetype i = 0;
    const qsizetype count = sample.size();
    while (i < count) {
        const auto lead = static_cast<unsigned char>(sample[i++]);
        if (lead == 0)
            return Utf8Check::NulFound;
        const int follow = followingBytes(lead);
        if (follow < 0) {
            invalid = true;
            continue;
        }
        for (int k = 0; k < follow && i < count; ++k) {
            const auto d = static_cast<unsigned char>(sample[i++]);
            if (d == 0)
                return Utf8Check::NulFound;
            if (d < 0x80 || d > 0xBF) {
                invalid = true;
                break;
            }
            multiByteSeen = true;
        }
    }
    if (invalid)
        return Utf8Check::NotUtf8;
    return multiByteSeen ? Utf8Check::Utf8 : Utf8Check::PureAscii;
}

SniffResult SniffEncoding(QByteArrayView sample)
{
    switch (CheckUtf8(sample)) {
    case Utf8Check::NulFound:
        return { Encoding::None, true };
    case Utf8Check::Utf8:
        return { Encoding::Utf8, false };
    default:
        return { Encoding::None, false };
    }
}

TempCopyLocation::TempCopyLocation(QStringList folders)
    : m_folders(std::move(folders))
{ }

QString TempCopyLocation::path() const
{
    if (m_folders.isEmpty())
        return {};
    return QDir(m_folders.at(m_current)).filePath(kCopyName);
}

bool TempCopyLocation::create(QFile &file)
{
    for (qsizetype i = m_current; i < m_folders.size(); ++i) {
        const QString candidate = QDir(m_folders.at(i)).filePath(kCopyName);
        // A fresh file, never one planted there (a link would be followed).
        QFile::remove(candidate);
        file.setFileName(candidate);
        if (file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            m_current = i;
            return true;
        }
    }
    return false;
}

Detection DetectEncoding(const QString &path, bool repair, TempCopyLocation &location)
{
    Detection result;
    QFile file(path);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly)) {
        result.fileOpened = true;
        head = file.read(repair ? kScanSize : 4);
    }

    result.encoding = EncodingOfByteOrderMark(head.first(qMin(head.size(), qsizetype(3))));
    // The repair works on bytes; in UTF-16 a CR byte may be half of another
    // character (U+0D00 to U+0DFF), so those files are never repaired.
    const bool unitsOfTwo = IsUtf16(result.encoding);
    Repairer scan;
    for (qsizetype i = 0; i < head.size() && !unitsOfTwo; ++i) {
        if (!repair && i >= 3)
            break;
        if (scan.take(head[i]))
            result.doubledCarriageReturn = true;
    }
    const QByteArrayView sample = QByteArrayView(head).first(qMin(head.size(), kSampleSize));

    if (repair && result.doubledCarriageReturn) {
        auto copy = std::make_shared<QFile>();
        if (location.create(*copy)) {
            if (writeRepairedCopy(file, head, *copy) && copy->seek(0)) {
                result.repairedCopy = copy->fileName();
                result.repairedFile = copy;
            } else {
                copy->remove();
            }
        }
        // Without a complete copy the file itself is loaded, unrepaired.
        result.doubledCarriageReturn = !result.repairedCopy.isEmpty();
    }

    if (result.encoding == Encoding::None) {
        const SniffResult sniffed = SniffEncoding(sample);
        result.encoding = sniffed.encoding;
        result.nulFound = sniffed.nulFound;
    }
    return result;
}

Detection DetectEncoding(const QString &path, bool repair)
{
    return DetectEncoding(path, repair, ProcessTempCopyLocation());
}

TempCopyLocation &ProcessTempCopyLocation()
{
    static TempCopyLocation location(defaultCopyFolders());
    return location;
}

QString TempFilePath()
{
    return ProcessTempCopyLocation().path();
}
