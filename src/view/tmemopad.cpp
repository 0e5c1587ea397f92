#include "tmemopad.h"

TMemoPad::TMemoPad(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

void TMemoPad::MyPaste()
{
    paste();
}
