#pragma once

#include <QString>
#include <QStringView>

// How a document's line breaks go to disk. The editor always holds CR LF;
// a file that broke its lines with LF alone gets LF back, so scripts and
// other Linux text survive an edit.
enum class LineEnds { CrLf, Lf };

// Lf for a file's own text whose breaks are all LF: at least one LF and no
// CR anywhere. CR LF, lone CRs, mixed breaks and no breaks give CrLf.
LineEnds LineEndsOf(QStringView fileText);
// The editor's text with every CR LF written in the given form; lone CRs
// and lone LFs stay as they are.
QString WithLineEnds(QString programText, LineEnds lineEnds);
