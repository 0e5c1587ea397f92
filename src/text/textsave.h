#pragma once

#include "encodings.h"
#include "fileform.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

struct SaveRequest
{
    QString path;
    // The document's encoding or the save dialog's choice; None writes in
    // loadEncoding.
    Encoding encoding = Encoding::None;
    // The encoding of the last text loaded (the remembered load encoding);
    // None stands for the 8-bit code page.
    Encoding loadEncoding = Encoding::None;
    // forceUSCodePageForNfo is on and the path is of NFO kind.
    bool westernLatinForNfo = false;
    // How the loaded file looked: line ends and byte order mark.
    FileForm form;
};

enum class SaveOutcome {
    Cancelled, // the warning was cancelled; nothing written
    Written,
    WrittenAfterWarning, // the warning was shown; the caller reloads the file
    Failed, // the file on disk is as it was; see error
};

// The answers of the Unicode warning.
enum class UnicodeWarningAnswer { SaveAsUnicode = 0, SaveAnyway = 1, Cancel = 2 };

struct SaveResult
{
    SaveOutcome outcome = SaveOutcome::Failed;
    // The encoding the document has after a write (UTF-8 after "Save as Unicode").
    Encoding encoding = Encoding::None;
    QString error;
};

// Called when the text holds characters the encoding cannot hold.
using UnicodeWarning = std::function<UnicodeWarningAnswer(Encoding encoding)>;

// Checks the text against the encoding, asks when it does not fit, and
// writes it in the loaded file's form, otherwise exactly as given: no line
// break added.
SaveResult SaveTextFile(const SaveRequest &request, QStringView text, const UnicodeWarning &warn);

// The file's bytes: byte order mark (unless the form says the file had none
// in this encoding), then the text with its line ends in the form's, then a
// UTF-16 file's odd last byte; None writes in loadEncoding.
QByteArray EncodeForSave(
    QStringView text, Encoding encoding, Encoding loadEncoding, const FileForm &form);
// Replaces the file as a whole or not at all; the failure's text, or empty.
QString WriteFileAtomically(const QString &path, const QByteArray &bytes);
