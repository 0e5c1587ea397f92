#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
