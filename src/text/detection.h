#pragma once

#include "encodings.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>

class QFile;

enum class Utf8Check { NulFound, NotUtf8, PureAscii, Utf8 };

// One pass over a sample: lead-byte ranges and the continuation range only.
// A sequence cut off by the end of the sample is accepted.
Utf8Check CheckUtf8(QByteArrayView sample);

struct SniffResult
{
    Encoding encoding = Encoding::None;
    bool nulFound = false;
};

// A sample without a byte order mark: UTF-8 or None, never UTF-16.
SniffResult SniffEncoding(QByteArrayView sample);

// Where the repaired copy "orvtmp.nfo" goes: the first of the folders in
// which it can be created. Once a later folder had to be used, it stays.
class TempCopyLocation
{
public:
    explicit TempCopyLocation(QStringList folders);

    QString path() const;
    // Creates and opens a fresh, private copy file for reading and writing;
    // false when no folder allows it.
    bool create(QFile &file);

private:
    QStringList m_folders;
    qsizetype m_current = 0;
};

struct Detection
{
    Encoding encoding = Encoding::None;
    // A CR directly followed by another CR was seen, and (with repair on)
    // the repaired copy now exists at repairedCopy.
    bool doubledCarriageReturn = false;
    bool fileOpened = false;
    bool nulFound = false;
    QString repairedCopy;
    // The copy, still open at its start. Another window repairing a file at
    // the same moment replaces the file at the path, never this one.
    std::shared_ptr<QFile> repairedFile;
};

// Reads the start of the file once: byte order mark, UTF-8, NUL bytes and
// doubled carriage returns in bytes 0 to 1024. With repair on and doubled
// CRs found, the whole file is written repaired to the temp copy.
// With repair off only four bytes are examined.
Detection DetectEncoding(const QString &path, bool repair, TempCopyLocation &location);
// The same with the process-wide temp copy location.
Detection DetectEncoding(const QString &path, bool repair);

// The process-wide location: the temp folder, then the program folder, then home.
TempCopyLocation &ProcessTempCopyLocation();
// The process-wide repaired-copy path, worked out on first use.
QString TempFilePath();
