#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThread>

#include <optional>

// A cups-pdf queue of the tests' own CUPS server (cups-queue.sh, started by the ctest fixture
// that TP_CUPS_STATE names), and the PDFs that land from it.
class CupsQueue {
public:
    explicit CupsQueue(const QString& role)
    {
        QFile file(QDir(qEnvironmentVariable("TP_CUPS_STATE")).filePath(QStringLiteral("server")));
        if (!file.open(QIODevice::ReadOnly)) {
            m_problem = QStringLiteral("no CUPS server of the tests': %1 cannot be read").arg(file.fileName());
            return;
        }
        QMap<QString, QString> values;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const int eq = line.indexOf('=');
            if (eq > 0)
                values.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
        }
        m_server = values.value(QStringLiteral("server"));
        m_name = values.value(QStringLiteral("queue_") + role);
        m_out = values.value(QStringLiteral("out_") + role);
        if (m_server.isEmpty() || m_name.isEmpty() || values.value(QStringLiteral("pid")).isEmpty())
            m_problem = QStringLiteral("the tests' CUPS server has no running queue '%1'").arg(role);
        // Every CUPS client of this process and its children talks to that server only.
        qputenv("CUPS_SERVER", m_server.toUtf8());
    }

    QString problem() const { return m_problem; }
    QString name() const { return m_name; }

    bool disable() const { return tool(QStringLiteral("cupsdisable"), {m_name}).has_value(); }
    bool enable() const { return tool(QStringLiteral("cupsenable"), {m_name}).has_value(); }

    // The PDFs landed so far.
    QStringList landed() const
    {
        return QDir(m_out).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    // The one PDF that lands after `before`, once the queue has no job left; empty when none
    // lands within the time.
    QString waitForLanding(const QStringList& before, int seconds = 90) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < seconds * 1000) {
            QStringList fresh = landed();
            for (const QString& name : before)
                fresh.removeAll(name);
            if (!fresh.isEmpty() && pendingJobs().isEmpty())
                return fresh.size() == 1 ? QDir(m_out).filePath(fresh.first()) : QString();
            QThread::msleep(100);
        }
        return QString();
    }

    // The jobs of the queue not yet done, as lpstat lists them.
    QString pendingJobs() const
    {
        const std::optional<QString> jobs = tool(
            QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o"), m_name});
        return jobs ? jobs->trimmed() : QStringLiteral("(lpstat failed)");
    }

private:
    // An lp tool run against the server: its output, or nothing when it failed.
    std::optional<QString> tool(const QString& program, const QStringList& arguments) const
    {
        QProcess process;
        process.start(program, QStringList{QStringLiteral("-h"), m_server} + arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return std::nullopt;
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString m_server, m_name, m_out, m_problem;
};
