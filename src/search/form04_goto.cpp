#include "form04_goto.h"

#include "gotoline.h"
#include "l10n/messages.h"
#include "platform/messagebox.h"
#include "platform/seams.h"
#include "ui_form04_goto.h"

#include <QRegularExpressionValidator>

TformGoto::TformGoto(int lineCount, int caretLine, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TformGoto>())
    , m_lineCount(lineCount)
{
    ui->setupUi(this);
    setFixedSize(size().expandedTo(minimumSizeHint()));
    ui->gotoLineEditBox->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*")), ui->gotoLineEditBox));
    ui->lineLabel->setText(GotoLineLabel(ui->lineLabel->toolTip(), lineCount));
    connect(ui->gotoLineEditBox, &QLineEdit::textChanged, this, &TformGoto::gotoLineEditBoxChange);
    connect(ui->buttonOK, &QPushButton::clicked, this, &TformGoto::buttonOKClick);
    connect(ui->buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->gotoLineEditBox->setText(QString::number(caretLine + 1));
    gotoLineEditBoxChange();
}

TformGoto::~TformGoto() = default;

std::optional<int> TformGoto::ask(int lineCount, int caretLine, QWidget *parent)
{
    TformGoto dialog(lineCount, caretLine, parent);
    seams().execDialog(&dialog);
    if (dialog.lineNumber() < 1)
        return std::nullopt;
    return dialog.lineNumber();
}

void TformGoto::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->gotoLineEditBox->selectAll();
    ui->gotoLineEditBox->setFocus();
    PlaceDialog(this, parentWidget(), false);
}

void TformGoto::gotoLineEditBoxChange()
{
    ui->buttonOK->setEnabled(IsGotoLineValid(ui->gotoLineEditBox->text(), m_lineCount));
}

void TformGoto::buttonOKClick()
{
    const QString text = ui->gotoLineEditBox->text();
    bool ok = false;
    m_lineNumber = text.toInt(&ok);
    if (!ok) {
        ShowWarningBox(QLatin1Char('\'') + text + QStringLiteral("' ") + message(Msg::gotoInvalid));
        m_lineNumber = -1;
        return;
    }
    accept();
}
