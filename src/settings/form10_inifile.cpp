#include "form10_inifile.h"

#include "platform/messagebox.h"
#include "platform/seams.h"
#include "settingsstorage.h"
#include "ui_form10_inifile.h"

TformIniFileLocation::TformIniFileLocation(SettingsStorage &storage, QWidget *parent)
    : QDialog(parent, Qt::Tool)
    , ui(std::make_unique<Ui::TformIniFileLocation>())
    , m_storage(storage)
{
    ui->setupUi(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &TformIniFileLocation::btnOKClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TformIniFileLocation::~TformIniFileLocation() = default;

int TformIniFileLocation::execute(SettingsStorage &storage, QWidget *parent)
{
    TformIniFileLocation dialog(storage, parent);
    return seams().execDialog(&dialog);
}

void TformIniFileLocation::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TformIniFileLocation::FormShow()
{
    ui->radio2AppData->setChecked(m_storage.iniFileInAppData());
    ui->radio1OrvaneDir->setChecked(!m_storage.iniFileInAppData());
    const QWidget *owner = DialogOwner();
    PlaceDialog(this, owner, owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TformIniFileLocation::btnOKClick()
{
    const bool toAppData = ui->radio2AppData->isChecked();
    if (toAppData != m_storage.iniFileInAppData()) {
        const QString error = m_storage.moveIniFile(toAppData);
        if (!error.isEmpty())
            ShowErrorBox(error);
    }
    accept();
}
