#include "form05_myfind.h"

#include "l10n/messages.h"
#include "memosearchsource.h"
#include "platform/messagebox.h"
#include "platform/seams.h"
#include "platform/texthelpers.h"
#include "settings/settingstable.h"
#include "textsearch.h"
#include "ui_form05_myfind.h"
#include "view/resetscrolledposition.h"
#include "view/tmemopad.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScopeGuard>

namespace {

// A failed search names at most this many characters of its text.
constexpr int shownSearchLength = 40;

QString NotFoundMessage(const QString &searchText)
{
    return message(Msg::findFail) + ShortenText(searchText, shownSearchLength, true);
}

// Runs work under the hourglass, which goes away on every exit.
template <typename Work> auto WithBusyCursor(Work work)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto normalCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    return work();
}

} // namespace

TformMyFind::TformMyFind(FindHost host, QWidget *parent)
    : QDialog(parent, Qt::Tool)
    , ui(std::make_unique<Ui::TformMyFind>())
    , m_host(std::move(host))
{
    ui->setupUi(this);
    ui->TabControl->addTab(tr("Find"));
    ui->TabControl->addTab(tr("Replace"));
    ui->TabControl->setDrawBase(false);
    ui->textNotFound->setText(QLatin1Char(' ') + ui->textNotFound->text());

    // Wide enough for the longest option's caption in the user's font.
    resize(std::max(width(), sizeHint().width()), height());
    // The form's height in replace mode, and without the replacement row.
    m_fullHeight = std::max(height(), sizeHint().height());
    const int replaceRow = std::max(
        ui->replaceField->sizeHint().height(), ui->replaceAllButton->sizeHint().height());
    m_findHeight = m_fullHeight - replaceRow - ui->fieldLayout->verticalSpacing();
    ui->textNotFound->hide();
    SetReplaceMode(false);
    // The first text put into the field searches with the stored options.
    LoadOptions();

    connect(ui->TabControl, &QTabBar::currentChanged, this,
        [this](int index) { SetReplaceMode(index == 1); });
    connect(ui->findButton, &QPushButton::clicked, this, &TformMyFind::findButtonClick);
    connect(ui->replaceButton, &QPushButton::clicked, this, &TformMyFind::replaceButtonClick);
    connect(ui->replaceAllButton, &QPushButton::clicked, this, &TformMyFind::replaceAllButtonClick);
    connect(ui->hitCountButton, &QPushButton::clicked, this, &TformMyFind::hitCountButtonClick);
    connect(ui->findTextField, &QLineEdit::textChanged, this, &TformMyFind::findTextFieldChange);
    const std::pair<QCheckBox *, SettingKey> stored[] = {
        { ui->loopSearch, SettingKey::searchLooped },
        { ui->startFromTop, SettingKey::searchFromTop },
        { ui->closeOnSearch, SettingKey::closeOnSearch },
        { ui->searchWhileTyping, SettingKey::searchWhileTyping },
    };
    for (const auto &item : stored) {
        const SettingKey key = item.second;
        connect(
            item.first, &QCheckBox::clicked, this, [this, key](bool on) { StoreOption(key, on); });
    }
}

TformMyFind::~TformMyFind() = default;

void TformMyFind::ShowFindDialog(const QString &initialText, bool replaceMode)
{
    SetReplaceMode(replaceMode);
    if (!initialText.isEmpty() && initialText != ui->findTextField->text())
        ui->findTextField->setText(initialText);
    show();
    raise();
    activateWindow();
    ui->findTextField->selectAll();
    ui->findTextField->setFocus();
}

void TformMyFind::FindNext()
{
    FindCommand(false);
}

void TformMyFind::FindPrevious()
{
    FindCommand(true);
}

void TformMyFind::FindCommand(bool up)
{
    if (ui->findTextField->text().isEmpty()) {
        ShowFindDialog(QString(), false);
        return;
    }
    RunSearch(true, ui->matchCase->isChecked(), ui->loopSearch->isChecked(),
        ui->startFromTop->isChecked(), up, true);
}

bool TformMyFind::RunSearch(
    bool viaCommand, bool matchCase, bool loop, bool fromTop, bool up, bool skipSelection)
{
    ShowTextNotFound(false);
    TMemoPad *memo = m_host.memo;
    const QString searchText = ui->findTextField->text();
    const MemoSearchSource source(*memo);
    const SearchRun run { viaCommand, matchCase, loop, fromTop, up, skipSelection };
    const std::optional<int> found
        = m_session.Run(source, searchText, memo->SelStart(), memo->SelLength(), run);
    if (found) {
        m_host.selectAndReveal(*found, int(searchText.size()), 5);
        return true;
    }
    if (!viaCommand) {
        ShowTextNotFound(true);
        return false;
    }
    hide();
    ShowInfoBox(NotFoundMessage(searchText));
    return false;
}

void TformMyFind::SetReplaceMode(bool replace)
{
    ui->replaceLabel->setVisible(replace);
    ui->replaceField->setVisible(replace);
    ui->replaceButton->setVisible(replace);
    ui->replaceAllButton->setVisible(replace);
    ui->hitCountButton->setVisible(!replace);
    const QSignalBlocker quiet(ui->TabControl);
    ui->TabControl->setCurrentIndex(replace ? 1 : 0);
    ui->closeOnSearch->setEnabled(!replace);
    // Only the width is the user's to change.
    const int height = replace ? m_fullHeight : m_findHeight;
    setMinimumHeight(height);
    setMaximumHeight(height);
}

void TformMyFind::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TformMyFind::FormShow()
{
    ShowTextNotFound(false);
    const bool nfo = m_host.nfoFontActive && m_host.nfoFontActive();
    QFont font(nfo ? QStringLiteral("ASCII VGA") : QStringLiteral("Arial"));
    font.setPixelSize(nfo ? 16 : 12);
    ui->findTextField->setFont(font);
    ui->replaceField->setFont(font);
    ui->findTextField->setFixedHeight(23);
    LoadOptions();
}

void TformMyFind::LoadOptions()
{
    const SettingsTable &settings = *m_host.settings;
    ui->loopSearch->setChecked(settings[SettingKey::searchLooped].isOn());
    ui->startFromTop->setChecked(settings[SettingKey::searchFromTop].isOn());
    ui->closeOnSearch->setChecked(settings[SettingKey::closeOnSearch].isOn());
    ui->searchWhileTyping->setChecked(settings[SettingKey::searchWhileTyping].isOn());
}

void TformMyFind::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Closing hands the keyboard back to the editor.
    if (QWidget *main = parentWidget())
        main->activateWindow();
    if (m_host.memo)
        m_host.memo->setFocus();
}

bool TformMyFind::SearchFromDialog(bool skipSelection)
{
    return RunSearch(false, ui->matchCase->isChecked(), ui->loopSearch->isChecked(),
        ui->startFromTop->isChecked(), ui->searchUp->isChecked(), skipSelection);
}

void TformMyFind::findButtonClick()
{
    const bool found = SearchFromDialog(true);
    if (found && ui->closeOnSearch->isEnabled() && ui->closeOnSearch->isChecked())
        hide();
}

bool TformMyFind::RefuseReadOnly()
{
    if (!m_host.memo->isReadOnly())
        return false;
    ShowOwnMessage(message(Msg::readOnlyInfo));
    return true;
}

int TformMyFind::ShowOwnMessage(const QString &text)
{
    return seams().messageBox(
        this, ExpandLineBreakEscapes(text), QStringLiteral("Orvane"), MB_OK | MB_ICONINFORMATION);
}

void TformMyFind::replaceButtonClick()
{
    if (RefuseReadOnly())
        return;
    const QString searchText = ui->findTextField->text();
    if (searchText.isEmpty()) {
        ShowTextNotFound(true);
        return;
    }
    TMemoPad *memo = m_host.memo;
    const MemoEditSource source(*memo);
    const bool matchCase = ui->matchCase->isChecked();
    const QString selected = SelectedFirstLine({ source, memo->Anchor(), memo->Caret() });
    if (SearchPattern(selected, matchCase) == SearchPattern(searchText, matchCase))
        memo->ReplaceSelection(ui->replaceField->text(), true);
    SearchFromDialog(true);
}

void TformMyFind::replaceAllButtonClick()
{
    if (RefuseReadOnly())
        return;
    const QString searchText = ui->findTextField->text();
    TMemoPad *memo = m_host.memo;
    const QString replacement = ui->replaceField->text();
    const bool matchCase = ui->matchCase->isChecked();
    const QString result = WithBusyCursor([&] {
        QString text = memo->text();
        const int count = ReplaceAllText(text, searchText, replacement, matchCase);
        if (count < 1)
            return NotFoundMessage(searchText);
        // The whole text replaced at once is one step for Undo.
        ResetScrolledPosition view(memo, true);
        memo->setUpdatesEnabled(false);
        memo->selectAll();
        memo->ReplaceSelection(text, true);
        view.Restore();
        memo->setUpdatesEnabled(true);
        return message(Msg::replaced) + QString::number(count) + message(Msg::occurences);
    });
    ShowOwnMessage(result);
}

void TformMyFind::hitCountButtonClick()
{
    const bool matchCase = ui->matchCase->isChecked();
    const QString pattern = SearchPattern(ui->findTextField->text(), matchCase);
    const int count
        = WithBusyCursor([&] { return CountSearchHits(m_host.memo->text(), pattern, matchCase); });
    QString text = message(Msg::findText) + pattern + QLatin1Char('\n') + message(Msg::occurence)
        + QString::number(count) + QStringLiteral("\n\n");
    if (matchCase)
        text += message(Msg::caseWarning);
    ShowOwnMessage(text);
}

void TformMyFind::findTextFieldChange()
{
    ShowTextNotFound(false);
    const bool whileTyping = ui->searchWhileTyping->isChecked();
    m_session.FieldChanged(ui->findTextField->text(), whileTyping);
    if (whileTyping)
        SearchFromDialog(false);
}

void TformMyFind::StoreOption(SettingKey key, bool on)
{
    (*m_host.settings)[key].setOn(on);
}

void TformMyFind::ShowTextNotFound(bool shown)
{
    ui->textNotFound->setVisible(shown);
}
