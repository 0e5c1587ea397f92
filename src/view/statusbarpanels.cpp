#include "statusbarpanels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>

namespace {

bool IsCentred(int panel)
{
    return panel != caretPanel && panel != selectionPanel && panel != pathPanel;
}

} // namespace

TStatusPanels::TStatusPanels(QWidget *parent)
    : QWidget(parent)
{
    std::copy(std::begin(statusPanelWidths), std::end(statusPanelWidths), m_remembered);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TStatusPanels::SetPanel(int panel, int width, const QString &text)
{
    Panel &p = m_panels[panel];
    if (p.width == width && p.text == text)
        return;
    const bool moved = p.width != width;
    p.width = width;
    p.text = text;
    // A new width moves every panel after it.
    update(moved ? rect() : PanelRect(panel));
}

void TStatusPanels::SetWidth(int panel, int width)
{
    SetPanel(panel, width, m_panels[panel].text);
}

QList<int> TStatusPanels::Widths() const
{
    QList<int> widths;
    for (const Panel &panel : m_panels)
        widths.append(panel.width);
    return widths;
}

void TStatusPanels::RememberWidth(int panel)
{
    if (m_panels[panel].width > 0)
        m_remembered[panel] = m_panels[panel].width;
}

void TStatusPanels::SetHint(const StatusHint &hint)
{
    m_tag = hint.tag;
    if (hint.text != toolTip() && QToolTip::isVisible())
        QToolTip::hideText(); // the new text comes with the next movement
    setToolTip(hint.text);
}

QSize TStatusPanels::sizeHint() const
{
    return { 0, fontMetrics().height() + 6 };
}

QRect TStatusPanels::PanelRect(int panel) const
{
    int left = 0;
    for (int i = 0; i < panel; ++i)
        left += m_panels[i].width;
    return { left, 0, m_panels[panel].width, height() };
}

void TStatusPanels::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    int left = 0;
    for (int i = 0; i < statusPanelCount; ++i) {
        const Panel &panel = m_panels[i];
        if (panel.width <= 0)
            continue;
        const QRect box(left, 0, panel.width, height());
        left += panel.width;
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = box.adjusted(0, 0, -2, 0);
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        const Qt::Alignment align
            = (IsCentred(i) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        painter.drawText(box.adjusted(4, 0, -4, 0), int(align), panel.text);
    }
}

void TStatusPanels::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    emit MouseMoved(int(event->position().x()));
}

void TStatusPanels::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    emit DoubleClicked();
}
