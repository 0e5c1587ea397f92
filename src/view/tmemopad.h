#pragma once

#include <QPlainTextEdit>

// The document editor: a plain-text edit with the program's own word
// selection, Ctrl+wheel zoom events and line-break normalising paste.
class TMemoPad : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TMemoPad(QWidget *parent = nullptr);

    void SetUseCustomWordSelection(bool on) { m_useCustomWordSelection = on; }
    bool UseCustomWordSelection() const { return m_useCustomWordSelection; }

public slots:
    // Paste from the clipboard with line breaks made CR LF.
    void MyPaste();

signals:
    void OnCtrlMouseScrollWheelUp(QObject *sender);
    void OnCtrlMouseScrollWheelDown(QObject *sender);

private:
    bool m_useCustomWordSelection = true;
};
