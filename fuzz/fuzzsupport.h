#pragma once

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// What every target needs: a Qt application on the offscreen platform and a
// private folder for the files it writes, temp folder included.
struct FuzzEnvironment
{
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    // Before the application exists, which reads the platform's name.
    bool configured = [this] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        return true;
    }();
    int argc = 1;
    char name[8] = "fuzzer";
    char *argv[2] = { name, nullptr };
    QGuiApplication app { argc, argv };
};

inline FuzzEnvironment &environment()
{
    static FuzzEnvironment env;
    return env;
}

// A broken promise of the code under test: stop with a message the fuzzer keeps.
inline void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
