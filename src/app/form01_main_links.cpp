#include "form01_main.h"
#include "links/linkopen.h"
#include "links/memolinkview.h"
#include "ui_form01_main.h"
#include "view/tmemopad.h"

#include <QToolTip>

void TformMain::SetupLinks()
{
    m_linkFinder.SetWordDelimiters(m_settings[SettingKey::wordDelimiters].value());
    // Hovering needs movements without a button held.
    ui->Memo1->viewport()->setMouseTracking(true);
}

// Read at every event: a change in the Options dialog counts at once.
LinkSettings TformMain::CurrentLinkSettings() const
{
    return LinkSettings::FromValues(
        m_settings[SettingKey::urlFollow].value(), m_settings[SettingKey::emailFollow].value());
}

void TformMain::LinkHoverStep(QPoint pos)
{
    TMemoPad *memo = ui->Memo1;
    const LinkHover::State hover
        = m_linkHover.Move(m_linkFinder, MemoLinkView(*memo), pos, CurrentLinkSettings());
    memo->viewport()->setCursor(hover.hand ? Qt::PointingHandCursor : Qt::IBeamCursor);
    if (hover.showHint) {
        memo->setToolTip(hover.hint);
    } else {
        memo->setToolTip(QString());
        QToolTip::hideText();
    }
}

bool TformMain::LinkPressStep(QPoint pos, Qt::KeyboardModifiers modifiers)
{
    const LinkKind kind = LinkToOpenOnPress(m_linkFinder, MemoLinkView(*ui->Memo1), pos,
        modifiers & Qt::ControlModifier, CurrentLinkSettings());
    OpenLink(kind, m_linkFinder.link());
    return kind != LinkKind::None;
}

void TformMain::LinkReleaseStep(Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return;
    const LinkKind kind = LinkToOpenOnRelease(m_linkFinder, MemoLinkView(*ui->Memo1),
        m_clicks.mouseDownPoint, pos, modifiers & Qt::ControlModifier, CurrentLinkSettings());
    OpenLink(kind, m_linkFinder.link());
}

LinkKind TformMain::LinkDoubleClickStep(QPoint pos)
{
    const DoubleClickLink link
        = LinkOnDoubleClick(m_linkFinder, MemoLinkView(*ui->Memo1), pos, CurrentLinkSettings());
    if (link.open)
        OpenLink(link.found, m_linkFinder.link());
    return link.found;
}
