#pragma once

#include "detection.h"
#include "encodings.h"
#include "fileform.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Files above this size are refused; below it, files that would not fit
// in the free memory. A loaded text is held as UTF-16 (twice the bytes) and
// again by the editor's document with its blocks.
constexpr qint64 kMaxTextFileBytes = 512 * 1024 * 1024;
// Memory a file of this many bytes needs while and after it loads, for
// the bytes, the decoded text and the editor's document.
constexpr qint64 MemoryToLoad(qint64 fileBytes)
{
    return fileBytes * 8;
}
// What the system reports as available to a new allocation without
// swapping; nothing when it does not say.
std::optional<qint64> AvailableMemoryBytes();

struct LoadRequest
{
    QString path;
    // The entry picked in the open dialog, or None.
    Encoding chosen = Encoding::None;
    // forceUSCodePageForNfo is on and the path is of NFO kind: a file without
    // a recognised encoding then loads as Windows-1252.
    bool westernLatinForNfo = false;
    qint64 maxBytes = kMaxTextFileBytes;
    // Free memory; nothing means unknown, which refuses nothing.
    std::optional<qint64> availableMemory = AvailableMemoryBytes();
};

struct LoadResult
{
    bool ok = false;
    // CR LF line breaks; on the NUL path the bytes one character each.
    QString text;
    // Chosen or else detected: the document's encoding from now on.
    Encoding documentEncoding = Encoding::None;
    // What the text was decoded with, kept for saving with no encoding.
    // Empty on the NUL path, which leaves the remembered one as it was.
    std::optional<Encoding> loadEncoding;
    bool nulPath = false;
    // Line breaks and byte order mark, for writing it back the same way.
    FileForm form;
    // The detection step opened the file: after a failure the editor must
    // not keep the previous document as if it were this one.
    bool fileOpened = false;
    // The repaired copy was loaded; it is deleted again.
    bool repaired = false;
    // Some bytes were not valid in the encoding: escaped bytes stand for
    // them in UTF-8; half a UTF-16 character at the end is kept in form.
    bool invalidBytes = false;
    // For the error box when !ok.
    QString error;
};

// Detects the encoding, repairs doubled carriage returns through the temp
// copy and decodes the file. Never changes the file.
LoadResult LoadTextFile(const LoadRequest &request);
LoadResult LoadTextFile(const LoadRequest &request, TempCopyLocation &location);
// The load after detection, for a detection made already.
LoadResult LoadDetectedFile(const LoadRequest &request, const Detection &detection);

// Valid UTF-8 holding at least one multi-byte sequence.
bool IsUtf8Text(QByteArrayView bytes);
// CR LF, lone CR and lone LF all become CR LF.
QString ToCrLf(QString text);
// One character per byte (U+0000 to U+00FF), a zero byte shown as a space.
QString ReadBytesAsText(QByteArrayView bytes);
