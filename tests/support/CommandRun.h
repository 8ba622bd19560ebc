#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTest>
#include <unistd.h>

// Runs the real program with command-line options on a data folder of the test's own. The
// program keeps its data beside its executable, so the executable is linked into that folder
// first (a hard link, or a copy where no link can be made).
struct CommandResult {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CommandResult runTarvento(const QString& folder, const QStringList& arguments,
                                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    const QString exe = QDir(folder).filePath(QStringLiteral("tarvento"));
    if (!QFile::exists(exe) && ::link(TARVENTO_EXE, QFile::encodeName(exe).constData()) != 0)
        QFile::copy(QStringLiteral(TARVENTO_EXE), exe);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(exe, arguments);
    CommandResult result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The environment of a machine with no display at all, as under cron.
inline QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}
