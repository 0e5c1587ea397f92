#pragma once

#include "encodings.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// How a document's line breaks go to disk. The editor always holds CR LF;
// a file that broke its lines with LF alone gets LF back, so scripts and
// other Linux text survive an edit.
enum class LineEnds { CrLf, Lf };

// What a loaded file looked like beyond its characters, so that saving it
// unchanged gives its bytes back. New documents have the default form.
struct FileForm
{
    LineEnds lineEnds = LineEnds::CrLf;
    // The Unicode encoding the file was in without a byte order mark, or
    // None. Written in that encoding, it gets no mark either; a change of
    // encoding writes the mark as ever.
    Encoding unmarked = Encoding::None;
    // The last byte of a UTF-16 file of odd length (half a character), and
    // that encoding. Not shown; it goes back after the text when the file is
    // written in that encoding again.
    QByteArray oddByte;
    Encoding oddByteEncoding = Encoding::None;

    bool operator==(const FileForm &) const = default;
};

// Lf for a file's own text whose breaks are all LF: at least one LF and no
// CR anywhere. CR LF, lone CRs, mixed breaks and no breaks give CrLf.
LineEnds LineEndsOf(QStringView fileText);
// The editor's text with every CR LF written in the given form; lone CRs
// and lone LFs stay as they are.
QString WithLineEnds(QStringView programText, LineEnds lineEnds);
