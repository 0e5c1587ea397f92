#include "seams.h"

#include "platformtr.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QUrl>

namespace {

int showPlatformMessageBox(QWidget *parent, const QString &text, const QString &caption, int flags)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0) {
    case 0x10:
        box.setIcon(QMessageBox::Critical);
        break;
    case 0x20:
        box.setIcon(QMessageBox::Question);
        break;
    case 0x30:
        box.setIcon(QMessageBox::Warning);
        break;
    case 0x40:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (flags & 0x0F) {
    case 3:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case 4:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return 6;
    case QMessageBox::No:
        return 7;
    case QMessageBox::Cancel:
        return 2;
    default:
        return 1;
    }
}

// The extension a file type adds to a bare name: its first "*.ext" pattern,
// or the dialog's default for a type such as "All files (*)".
QString suffixForFilter(const QString &filter, const QString &fallback)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return fallback;
    const QString patterns = filter.mid(open + 1, close - open - 1);
    for (const QString &pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString suffix = pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QString();
        if (!suffix.isEmpty() && !suffix.contains(QLatin1Char('*')))
            return suffix;
    }
    return fallback;
}

// Adds the extension of the file type chosen when the name is accepted, so a
// type picked last still counts.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget *parent, QString fallbackSuffix)
        : QFileDialog(parent)
        , m_fallbackSuffix(std::move(fallbackSuffix))
    { }

protected:
    void accept() override
    {
        setDefaultSuffix(suffixForFilter(selectedNameFilter(), m_fallbackSuffix));
        QFileDialog::accept();
    }

private:
    QString m_fallbackSuffix;
};

// A Qt file dialog with an encoding list below the file type list.
bool runFileDialog(QWidget *parent, FileDialogState &state, QFileDialog::AcceptMode mode)
{
    FileDialog dialog(parent, state.defaultSuffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(
        mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !state.confirmOverwrite);
    dialog.setNameFilters(state.filters);
    if (state.filterIndex >= 0 && state.filterIndex < state.filters.size())
        dialog.selectNameFilter(state.filters.at(state.filterIndex));
    if (!state.directory.isEmpty())
        dialog.setDirectory(state.directory);
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
    dialog.setDefaultSuffix(state.defaultSuffix);

    auto *encodingBox = new QComboBox(&dialog);
    encodingBox->addItems(state.encodings);
    encodingBox->setCurrentIndex(state.encodingIndex);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(Platform::Tr::tr("Encoding:"), &dialog), row, 0);
        grid->addWidget(encodingBox, row, 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    state.fileName = dialog.selectedFiles().constFirst();
    state.filterIndex = int(state.filters.indexOf(dialog.selectedNameFilter()));
    state.encodingIndex = encodingBox->currentIndex();
    state.directory = dialog.directory().absolutePath();
    return true;
}

Seams realSeams()
{
    Seams s;
    s.messageBox = showPlatformMessageBox;
    s.openFileDialog = [](QWidget *parent, FileDialogState &state) {
        return runFileDialog(parent, state, QFileDialog::AcceptOpen);
    };
    s.saveFileDialog = [](QWidget *parent, FileDialogState &state) {
        return runFileDialog(parent, state, QFileDialog::AcceptSave);
    };
    s.execDialog = [](QDialog *dialog) { return dialog->exec(); };
    s.openUrl = [](const QString &address) {
        const QUrl url(address, QUrl::StrictMode);
        if (url.isValid())
            return QDesktopServices::openUrl(url);
        // QUrl refuses some addresses a browser still takes (a port out of
        // range): they go to the desktop's opener as they are.
        return QProcess::startDetached(QStringLiteral("xdg-open"), { address });
    };
    s.startProcess = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    s.readClipboard = []() -> std::optional<QString> {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return std::nullopt;
        return clipboard->text();
    };
    s.writeClipboard = [](const QString &text) -> std::optional<QString> {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return QString();
        clipboard->setText(text);
        return std::nullopt;
    };
    s.wait = [](int milliseconds) { QThread::msleep(milliseconds); };
    s.beep = []() { QApplication::beep(); };
    return s;
}

Seams &instance()
{
    static Seams s = realSeams();
    return s;
}

} // namespace

Seams &seams()
{
    return instance();
}

void resetSeams()
{
    instance() = realSeams();
}
