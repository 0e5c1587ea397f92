#pragma once

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TformAddRemovePrefix;
}

// What the prefix dialog was left with by OK.
struct PrefixAnswer
{
    QString prefix;
    bool add = true;
    bool remember = false;
};

// Asks for the string to put in front of the selected lines or take away.
class TformAddRemovePrefix : public QDialog
{
    Q_OBJECT

public:
    explicit TformAddRemovePrefix(QWidget *parent = nullptr);
    ~TformAddRemovePrefix() override;

    // Shows the dialog modally with the string, the operation and the check
    // box preset; nothing when it is cancelled.
    std::optional<PrefixAnswer> AskPrefix(const QString &prefix, bool add, bool remember);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    std::unique_ptr<Ui::TformAddRemovePrefix> ui;
};
