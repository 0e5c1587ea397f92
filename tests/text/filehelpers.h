#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Text in which "~XX" (two hex digits) stands for the escaped byte XX, the
// lone surrogate U+DC00 + XX that source literals cannot hold.
inline QString WithEscapes(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'~' && i + 2 < text.size()) {
            out += QChar(char16_t(0xDC00 + text.mid(i + 1, 2).toUInt(nullptr, 16)));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A scratch folder per test, with byte-exact file helpers.
class ScratchFolder
{
public:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray read(const QString &filePath)
    {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<unreadable>");
        return file.readAll();
    }

private:
    QTemporaryDir m_dir;
};
