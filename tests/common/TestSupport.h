#pragma once

// What the tests share: each test works in a fresh temporary folder made the current directory, because the
// program reads and writes its files by relative names.

#include "platform/Cp932.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TempCurrentDir
{
public:
    TempCurrentDir() : m_previous(QDir::currentPath())
    {
        QVERIFY2(m_dir.isValid(), "no temporary folder");
        QDir::setCurrent(m_dir.path());
    }
    ~TempCurrentDir() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }

    static void write(const QString &name, const QByteArray &content)
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    static QByteArray read(const QString &name)
    {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return file.readAll();
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Limits the size of the files this process writes, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
};

// The lines, each followed by CR LF, as the program writes a master file.
inline QByteArray withLineEnds(const QList<QByteArray> &lines)
{
    QByteArray content;
    for (const QByteArray &line : lines)
        content += line + "\r\n";
    return content;
}

// Text in code page 932, as the files hold it.
inline QByteArray sjis(const QString &text)
{
    return Cp932::encode(text);
}
