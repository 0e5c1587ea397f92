#pragma once

#include "encodings.h"
#include "textsave.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TformUnicodeWarning;
}

// Asks what to do when the text holds characters the chosen encoding
// cannot: save as Unicode, save anyway, or cancel.
class TformUnicodeWarning : public QDialog
{
    Q_OBJECT

public:
    explicit TformUnicodeWarning(QWidget *parent = nullptr);
    ~TformUnicodeWarning() override;

    // Beeps and shows the dialog modally, centred on mainWindow.
    UnicodeWarningAnswer ShowUnicodeWarning(
        Encoding encoding, const QWidget *mainWindow, bool alwaysOnTop);

    // The warning followed by ("name") unless the encoding is None.
    static QString WarningText(const QString &warning, Encoding encoding);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnUnicodeClick();
    void btnSaveAnywayClick();
    void btnCancelClick();
    void finish(UnicodeWarningAnswer answer);

    std::unique_ptr<Ui::TformUnicodeWarning> ui;
    UnicodeWarningAnswer m_result = UnicodeWarningAnswer::Cancel;
    const QWidget *m_mainWindow = nullptr;
    bool m_alwaysOnTop = false;
};
