#include "form09_unicodewarning.h"

#include "encodinglabels.h"
#include "platform/messagebox.h"
#include "platform/seams.h"
#include "ui_form09_unicodewarning.h"

TformUnicodeWarning::TformUnicodeWarning(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TformUnicodeWarning>())
{
    ui->setupUi(this);
    ui->labelUnicodeWarning->hide();
    connect(ui->btnUnicode, &QPushButton::clicked, this, &TformUnicodeWarning::btnUnicodeClick);
    connect(
        ui->btnSaveAnyway, &QPushButton::clicked, this, &TformUnicodeWarning::btnSaveAnywayClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TformUnicodeWarning::btnCancelClick);
}

TformUnicodeWarning::~TformUnicodeWarning() = default;

QString TformUnicodeWarning::WarningText(const QString &warning, Encoding encoding)
{
    if (encoding == Encoding::None)
        return warning;
    return warning + QStringLiteral(" (\"") + EncodingLabel(encoding) + QStringLiteral("\")");
}

UnicodeWarningAnswer TformUnicodeWarning::ShowUnicodeWarning(
    Encoding encoding, const QWidget *mainWindow, bool alwaysOnTop)
{
    // Closing by the frame or by Esc rejects the dialog, which leaves Cancel.
    m_result = UnicodeWarningAnswer::Cancel;
    m_mainWindow = mainWindow;
    m_alwaysOnTop = alwaysOnTop;
    ui->labelRef->setText(WarningText(ui->labelUnicodeWarning->text(), encoding));
    ui->btnUnicode->setFocus();
    seams().beep();
    seams().execDialog(this);
    return m_result;
}

void TformUnicodeWarning::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PlaceDialog(this, m_mainWindow, m_alwaysOnTop);
}

void TformUnicodeWarning::btnUnicodeClick()
{
    finish(UnicodeWarningAnswer::SaveAsUnicode);
}

void TformUnicodeWarning::btnSaveAnywayClick()
{
    finish(UnicodeWarningAnswer::SaveAnyway);
}

void TformUnicodeWarning::btnCancelClick()
{
    finish(UnicodeWarningAnswer::Cancel);
}

void TformUnicodeWarning::finish(UnicodeWarningAnswer answer)
{
    m_result = answer;
    if (answer == UnicodeWarningAnswer::Cancel)
        reject();
    else
        accept();
}
