// The recent files of the File menu and the commands that open the next or
// previous file of the document's folder.
#include "document/recentfiles.h"
#include "form01_main.h"
#include "platform/texthelpers.h"
#include "ui_form01_main.h"

#include <QAction>
#include <QMenu>

namespace {

// Files that fail to open are skipped, but not forever.
constexpr int maxNeighbourTries = 1000;

} // namespace

void TformMain::SetupRecentFiles()
{
    // The items go before the separator above Exit.
    QAction *before = ui->Quit1;
    const QList<QAction *> actions = ui->File1->actions();
    const qsizetype exit = actions.indexOf(ui->Quit1);
    if (exit > 0 && actions.at(exit - 1)->isSeparator())
        before = actions.at(exit - 1);
    m_recentSeparator = new QAction(this);
    m_recentSeparator->setObjectName(QStringLiteral("MySeparator"));
    m_recentSeparator->setSeparator(true);
    ui->File1->insertAction(before, m_recentSeparator);
    for (int i = 0; i < recentFileSlots; ++i) {
        auto *item = new QAction(this);
        item->setObjectName(QStringLiteral("Recent") + QString::number(i));
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, i] { RecentItemClick(i); });
        ui->File1->insertAction(before, item);
        m_recentItems[i] = item;
    }
    connect(ui->File1, &QMenu::aboutToShow, this, &TformMain::File1Click);
    RebuildRecentMenu();
}

void TformMain::RebuildRecentMenu()
{
    const std::vector<RecentMenuItem> items = RecentMenuItems(RecentEntries(m_settings),
        RecentCountFromSetting(m_settings[SettingKey::recentFileCount].value()),
        m_settings[SettingKey::recentFileFullPath].isOn());
    for (int i = 0; i < recentFileSlots; ++i) {
        // A "&" in a path is a character, not a menu shortcut.
        m_recentItems[i]->setText(QString(items[i].caption).replace(u'&', QStringLiteral("&&")));
        m_recentItems[i]->setVisible(items[i].visible);
    }
}

void TformMain::File1Click()
{
    // Another window may have changed the list since.
    ReloadRecentFiles(m_settings);
    RebuildRecentMenu();
}

void TformMain::AddRecentFile(const QString &path)
{
    ::AddRecentFile(m_settings, path);
    RebuildRecentMenu();
}

void TformMain::RemoveRecentFile(const QString &path)
{
    ::RemoveRecentFile(m_settings, path);
    RebuildRecentMenu();
}

void TformMain::ClearRecentFiles()
{
    ::ClearRecentFiles(m_settings);
    RebuildRecentMenu();
}

void TformMain::NextFile1Click()
{
    OpenNeighbourFile(false);
}

void TformMain::PreviousFile1Click()
{
    OpenNeighbourFile(true);
}

void TformMain::RecentItemClick(int index)
{
    if (index < 0 || index >= recentFileSlots)
        return;
    const QString path = m_settings[recentFileKey(index + 1)].value();
    if (path.isEmpty() || !AskToSave())
        return;
    if (!OpenFile(path, QString(), true))
        RemoveRecentFile(path);
}

void TformMain::OpenNeighbourFile(bool previous)
{
    QString path = m_fileName;
    bool asked = false;
    for (int tries = 0; tries < maxNeighbourTries; ++tries) {
        path = NeighbourFile(path, previous);
        if (path == untitledName)
            return;
        if (!asked) {
            if (!AskToSave())
                return;
            asked = true;
        }
        if (OpenPath(path, true))
            return;
    }
}
