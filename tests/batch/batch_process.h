#pragma once

// Runs the real vexa-batch program and reads and writes the files it uses.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QtTest>

namespace vexa::test {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline Run vexaBatch(const QStringList& arguments, const QString& directory = QString())
{
    QProcess process;
    if (!directory.isEmpty())
        process.setWorkingDirectory(directory);
    process.start(QStringLiteral(VEXA_BATCH_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

inline void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vexa::test
