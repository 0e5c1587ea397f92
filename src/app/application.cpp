#include "application.h"

#include "platform/messagebox.h"

#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

// Qt takes tooltip timings from the style, so the program's own live here.
class HintTimingStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        switch (hint) {
        case SH_ToolTip_WakeUpDelay:
            return hintShowDelay;
        case SH_ToolTip_FallAsleepDelay:
            return hintSwitchDelay;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }
};

// Qt keeps a tooltip up for a time that grows with its length; the program's
// hints stay for a fixed time. An application filter sees the hint event at
// every widget it passes on its way to the parents, so a hint that belongs to
// a parent (the editor's, asked for by its viewport) is covered as well.
class HintTimer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(receiver);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty())
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), hintDisplayTime);
        return true;
    }
};

} // namespace

void ReportException(std::exception_ptr error)
{
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) { }
    ShowErrorBox(text);
}

OrvaneApplication::OrvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // No display name: the platform would append it to every caption
    // ("Find — Orvane"); captions carry the name where they need it.
    setApplicationName(QStringLiteral("Orvane"));
    setStyle(new HintTimingStyle);
    installEventFilter(new HintTimer(this));
}

bool OrvaneApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}
