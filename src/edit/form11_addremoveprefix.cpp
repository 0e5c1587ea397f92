#include "form11_addremoveprefix.h"

#include "platform/messagebox.h"
#include "platform/seams.h"
#include "ui_form11_addremoveprefix.h"

#include <algorithm>

namespace {

// The size limits are those of the framed window; the frame takes about
// 8 by 29 pixels of them.
constexpr int MinWidth = 190 - 8;
constexpr int MinHeight = 210 - 29;
constexpr int MaxHeight = 250 - 29;

} // namespace

TformAddRemovePrefix::TformAddRemovePrefix(QWidget *parent)
    : QDialog(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TformAddRemovePrefix>())
{
    ui->setupUi(this);
    // A larger system font must not crush the controls.
    const int fits = minimumSizeHint().height();
    setMinimumSize(MinWidth, std::max(MinHeight, fits));
    setMaximumSize(QWIDGETSIZE_MAX, std::max(MaxHeight, fits));
    resize(width(), std::max(height(), fits));
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TformAddRemovePrefix::~TformAddRemovePrefix() = default;

std::optional<PrefixAnswer> TformAddRemovePrefix::AskPrefix(
    const QString &prefix, bool add, bool remember)
{
    ui->editBox->setText(prefix);
    ui->radioAdd->setChecked(add);
    ui->radioRemove->setChecked(!add);
    ui->rememberStringCheckBox->setChecked(remember);
    if (seams().execDialog(this) != QDialog::Accepted)
        return std::nullopt;
    return PrefixAnswer { ui->editBox->text(), ui->radioAdd->isChecked(),
        ui->rememberStringCheckBox->isChecked() };
}

void TformAddRemovePrefix::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TformAddRemovePrefix::FormShow()
{
    const QWidget *owner = DialogOwner();
    PlaceDialog(this, owner, owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ui->editBox->setFocus();
    ui->editBox->selectAll();
}
