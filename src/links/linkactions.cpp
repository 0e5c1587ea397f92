#include "linkactions.h"

#include "l10n/messages.h"
#include "linktextview.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int ClickSlack = 10;

// What a URL carries as it stands besides letters and digits: the unreserved
// marks, the delimiters, and "%" so that escapes already there stay as written.
bool urlCarries(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || std::strchr("-._~:/?#[]@!$&'()*+,;=%", c);
}

QString percentEncoded(const QString &address)
{
    QString out;
    for (const char c : address.toUtf8()) {
        if (c != 0 && urlCarries(c))
            out += QLatin1Char(c);
        else
            out += QLatin1Char('%')
                + QString::number(uchar(c), 16).toUpper().rightJustified(2, u'0');
    }
    return out;
}

LinkKind openableOn(
    LinkFinder &finder, const LinkTextView &view, QPoint pos, bool allowWeb, bool allowEmail)
{
    return finder.FindLinkAt(view, pos.x(), pos.y(), true, allowWeb, allowEmail);
}

Msg hintMessage(LinkKind kind, LinkFollow follow)
{
    const bool web = kind == LinkKind::Web;
    switch (follow) {
    case LinkFollow::Click:
        return web ? Msg::clickLink : Msg::clickMail;
    case LinkFollow::DoubleClick:
        return web ? Msg::doubleClickLink : Msg::doubleClickMail;
    default:
        return web ? Msg::ctrlClickLink : Msg::ctrlClickMail;
    }
}

} // namespace

LinkFollow ParseLinkFollow(const QString &value)
{
    if (value == QLatin1String("click"))
        return LinkFollow::Click;
    if (value == QLatin1String("doubleClick"))
        return LinkFollow::DoubleClick;
    if (value == QLatin1String("ctrlClick"))
        return LinkFollow::CtrlClick;
    // "none" and anything unknown: the link never opens.
    return LinkFollow::None;
}

LinkSettings LinkSettings::FromValues(const QString &urlFollow, const QString &emailFollow)
{
    return { ParseLinkFollow(urlFollow), ParseLinkFollow(emailFollow) };
}

LinkFollow LinkSettings::For(LinkKind kind) const
{
    switch (kind) {
    case LinkKind::Web:
        return web;
    case LinkKind::Email:
        return email;
    default:
        return LinkFollow::None;
    }
}

QString LinkHint(LinkKind kind, LinkFollow follow, const QString &link)
{
    if (kind == LinkKind::None || follow == LinkFollow::None)
        return {};
    return message(hintMessage(kind, follow)) + link;
}

QString LinkUrl(LinkKind kind, const QString &link)
{
    QString address = link;
    if (kind == LinkKind::Email)
        address.prepend(QLatin1String("mailto:"));
    else if (link.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        address.prepend(QLatin1String("http://"));
    // No guessing: the address goes out as written, only made ASCII.
    return percentEncoded(address);
}

bool IsClickInPlace(QPoint down, QPoint up)
{
    return std::abs(up.x() - down.x()) < ClickSlack && std::abs(up.y() - down.y()) < ClickSlack;
}

LinkHover::State LinkHover::Move(
    LinkFinder &finder, const LinkTextView &view, QPoint pos, const LinkSettings &settings)
{
    const LinkKind kind = openableOn(
        finder, view, pos, settings.web != LinkFollow::None, settings.email != LinkFollow::None);
    const QString hint = LinkHint(kind, settings.For(kind), finder.link());
    if (hint.isEmpty()) {
        m_state.hand = false;
        m_state.showHint = false;
        return m_state;
    }
    m_state.hand = true;
    m_state.showHint = !(hint != m_state.hint && m_state.showHint);
    m_state.hint = hint;
    return m_state;
}

LinkKind LinkToOpenOnPress(LinkFinder &finder, const LinkTextView &view, QPoint pos, bool ctrl,
    const LinkSettings &settings)
{
    return openableOn(finder, view, pos, ctrl && settings.web == LinkFollow::CtrlClick,
        ctrl && settings.email == LinkFollow::CtrlClick);
}

LinkKind LinkToOpenOnRelease(LinkFinder &finder, const LinkTextView &view, QPoint downPoint,
    QPoint pos, bool ctrl, const LinkSettings &settings)
{
    if (!IsClickInPlace(downPoint, pos))
        return LinkKind::None;
    return openableOn(finder, view, pos, !ctrl && settings.web == LinkFollow::Click,
        !ctrl && settings.email == LinkFollow::Click);
}

DoubleClickLink LinkOnDoubleClick(
    LinkFinder &finder, const LinkTextView &view, QPoint pos, const LinkSettings &settings)
{
    const LinkKind kind = openableOn(finder, view, pos, true, true);
    return { kind, kind != LinkKind::None && settings.For(kind) == LinkFollow::DoubleClick };
}
