// Zoom and automatic window width.
#include "form01_main.h"
#include "ui_form01_main.h"
#include "view/autowidth.h"
#include "view/fontchoice.h"
#include "view/resetscrolledposition.h"
#include "view/tmemopad.h"

#include <QLayout>

void TformMain::SetupZoom()
{
    // The key that carries plus types "=" unshifted on many layouts.
    ui->ZoomIn1->setShortcuts({ ui->ZoomIn1->shortcut(), QKeySequence(QStringLiteral("Ctrl+=")) });
    ui->autoWidth1->setChecked(m_settings[SettingKey::autoWidth].isOn());
    connect(
        ui->Memo1, &TMemoPad::OnCtrlMouseScrollWheelUp, this, [this] { ChangeZoom(ZoomStep::In); });
    connect(ui->Memo1, &TMemoPad::OnCtrlMouseScrollWheelDown, this,
        [this] { ChangeZoom(ZoomStep::Out); });
}

void TformMain::ChangeZoom(ZoomStep step)
{
    const int zoom = NextZoom(m_view.zoomPercent, step);
    if (zoom == m_view.zoomPercent)
        return;
    ResetScrolledPosition view(ui->Memo1, true);
    m_view.zoomPercent = zoom;
    ApplyFont(m_fileName);
    view.Restore();
    UpdateStatusBar(false);
}

void TformMain::ZoomIn1Click()
{
    ChangeZoom(ZoomStep::In);
}

void TformMain::ZoomOut1Click()
{
    ChangeZoom(ZoomStep::Out);
}

void TformMain::ResetZoom1Click()
{
    ChangeZoom(ZoomStep::Reset);
}

void TformMain::autoWidth1Click()
{
    SettingsValue &autoWidth = m_settings[SettingKey::autoWidth];
    autoWidth.toggle();
    if (autoWidth.isOn())
        AutoWidth();
    ui->autoWidth1->setChecked(autoWidth.isOn());
}

// Measured on logical lines, so word wrap does not count.
void TformMain::AutoWidth()
{
    AutoWidthFor(ui->Memo1->text());
}

void TformMain::AutoWidthFor(QStringView programText)
{
    TMemoPad *memo = ui->Memo1;
    if (isMaximized() || programText.isEmpty())
        return;
    const int charWidth = GetAverageCharWidth(memo);
    if (charWidth < 0)
        return;
    // A load during start-up comes before the first layout: the editor's
    // width would still be its default.
    for (QWidget *level : { static_cast<QWidget *>(this), centralWidget() }) {
        if (QLayout *layout = level->layout())
            layout->activate();
    }
    const int columns
        = LongestLineColumns(programText, TabSizeInEffect(m_settings, m_nfoFontActive));
    const int outer = frameGeometry().width();
    const AutoWidthLimits limits { m_settings[SettingKey::autoWidthPadding].intValue(),
        m_settings[SettingKey::autoWidthMax].intValue(),
        m_settings[SettingKey::autoWidthMin].intValue() };
    const int width = AutoWindowWidth(charWidth, columns, outer - memo->width(), limits);
    // The outer width is set; the frame stays as it is and the left edge too.
    resize(width - (outer - this->width()), height());
}
