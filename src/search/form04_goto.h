#pragma once

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TformGoto;
}

// Asks for a line number between 1 and the text's line count.
class TformGoto : public QDialog
{
    Q_OBJECT

public:
    TformGoto(int lineCount, int caretLine, QWidget *parent);
    ~TformGoto() override;

    // The 1-based line chosen, or nothing when the dialog was cancelled.
    static std::optional<int> ask(int lineCount, int caretLine, QWidget *parent);

    int lineNumber() const { return m_lineNumber; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void gotoLineEditBoxChange();
    void buttonOKClick();

    std::unique_ptr<Ui::TformGoto> ui;
    int m_lineCount = 1;
    int m_lineNumber = -1;
};
