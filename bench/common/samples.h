#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Block and shade bytes of code page 437 on 80-column lines ending in lineEnd.
inline QByteArray nfoBytes(qsizetype size, const QByteArray &lineEnd = "\r\n")
{
    const QByteArray line = QByteArray("\xDB\xDB\xB2\xB1\xB0  ").repeated(11) + "art" + lineEnd;
    QByteArray out;
    out.reserve(size + line.size());
    while (out.size() < size)
        out += line;
    return out;
}

// UTF-8 prose with LF line breaks, which loading turns into CR LF.
inline QByteArray textBytes(qsizetype size)
{
    const QByteArray line(
        "Plain text with an accent: caf\xC3\xA9, and a euro sign \xE2\x82\xAC here.\n");
    QByteArray out;
    out.reserve(size + line.size());
    while (out.size() < size)
        out += line;
    return out;
}

inline void writeSample(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
