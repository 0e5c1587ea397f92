#pragma once

#include "findsession.h"
#include "settings/settingskeys.h"

#include <QDialog>

#include <functional>
#include <memory>

class SettingsTable;
class TMemoPad;

namespace Ui {
class TformMyFind;
}

// What the find dialog works on: the main window's editor and settings.
struct FindHost
{
    TMemoPad *memo = nullptr;
    SettingsTable *settings = nullptr;
    std::function<bool()> nfoFontActive;
    // Selects [start, start + length) and scrolls it into view with margin lines.
    std::function<void(int start, int length, int margin)> selectAndReveal;
};

// The one modeless find and replace dialog. It lives for the whole run and
// keeps its fields, its options and the search memory while it is hidden.
class TformMyFind : public QDialog
{
    Q_OBJECT

public:
    TformMyFind(FindHost host, QWidget *parent);
    ~TformMyFind() override;

    // Shows the dialog in the mode asked for; a non-empty initialText that
    // differs from the field goes into it as if typed.
    void ShowFindDialog(const QString &initialText, bool replaceMode);
    void FindNext();
    void FindPrevious();
    bool RunSearch(
        bool viaCommand, bool matchCase, bool loop, bool fromTop, bool up, bool skipSelection);
    void SetReplaceMode(bool replace);

    const FindSession &session() const { return m_session; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FormShow();
    void LoadOptions();
    void FindCommand(bool up);
    void findButtonClick();
    void replaceButtonClick();
    void replaceAllButtonClick();
    void hitCountButtonClick();
    void findTextFieldChange();
    void StoreOption(SettingKey key, bool on);
    void ShowTextNotFound(bool shown);
    bool RefuseReadOnly();
    int ShowOwnMessage(const QString &text);
    bool SearchFromDialog(bool skipSelection);

    std::unique_ptr<Ui::TformMyFind> ui;
    FindHost m_host;
    FindSession m_session;
    int m_fullHeight = 0;
    int m_findHeight = 0;
};
