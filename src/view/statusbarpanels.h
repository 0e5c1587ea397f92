#pragma once

#include "statusbartext.h"

#include <QList>
#include <QString>
#include <QWidget>

// The eight panels of the status bar: fixed widths (0 hides a panel),
// a text each, and the tag of the panel whose hint was last shown.
class TStatusPanels : public QWidget
{
    Q_OBJECT

public:
    explicit TStatusPanels(QWidget *parent = nullptr);

    void SetPanel(int panel, int width, const QString &text);
    void SetWidth(int panel, int width);
    int PanelWidth(int panel) const { return m_panels[panel].width; }
    const QString &PanelText(int panel) const { return m_panels[panel].text; }
    QList<int> Widths() const;

    // Panels 2 and 3 come back at the width they last had while shown.
    void RememberWidth(int panel);
    int RememberedWidth(int panel) const { return m_remembered[panel]; }

    int tag() const { return m_tag; }
    void SetHint(const StatusHint &hint);

    QSize sizeHint() const override;

signals:
    void MouseMoved(int x);
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Panel
    {
        int width = 0;
        QString text;
    };
    QRect PanelRect(int panel) const;

    Panel m_panels[statusPanelCount];
    int m_remembered[statusPanelCount];
    int m_tag = -1;
};
