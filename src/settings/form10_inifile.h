#pragma once

#include <QDialog>

#include <memory>

class SettingsStorage;

namespace Ui {
class TformIniFileLocation;
}

// Chooses between the INI file beside the program and the one in the user's
// application-data folder; OK moves the file.
class TformIniFileLocation : public QDialog
{
    Q_OBJECT

public:
    explicit TformIniFileLocation(SettingsStorage &storage, QWidget *parent = nullptr);
    ~TformIniFileLocation() override;

    // Runs the dialog modally; returns its result code.
    static int execute(SettingsStorage &storage, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnOKClick();

    std::unique_ptr<Ui::TformIniFileLocation> ui;
    SettingsStorage &m_storage;
};
