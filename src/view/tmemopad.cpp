#include "tmemopad.h"

TMemoPad::TMemoPad(QWidget *parent)
    : QPlainTextEdit(parent)
{
}
