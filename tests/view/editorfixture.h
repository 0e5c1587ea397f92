#pragma once

#include "view/tmemopad.h"

#include <QFont>
#include <QString>

#include <gtest/gtest.h>
#include <memory>

// A shown editor with a small fixed-pitch font, so line heights and widths
// are the same on every machine that has the font.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor = std::make_unique<TMemoPad>();
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::Monospace);
        font.setPixelSize(12);
        editor->setFont(font);
        editor->resize(400, 300);
        editor->show();
    }

    // "x" CR LF repeated: one line per character pair plus one.
    static QString numberedLines(int count, const QString &line = QStringLiteral("x"))
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += line + QLatin1String("\r\n");
        return text;
    }

    std::unique_ptr<TMemoPad> editor;
};
