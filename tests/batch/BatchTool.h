#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The built tool run as a user runs it.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// bare: without QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY, as on a machine without a screen.
inline ToolRun runTool(const QStringList& arguments, const QString& folder = QString(), bool bare = false)
{
    QProcess tool;
    if (!folder.isEmpty())
        tool.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (bare) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
    }
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(TP_BATCH_TOOL), arguments);
    ToolRun run;
    if (!tool.waitForFinished(120000))
        return run;
    run.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}
