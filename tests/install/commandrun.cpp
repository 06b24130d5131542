// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandrun.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// Installing or packaging takes seconds; a command still going after this
// has hung.
constexpr int LongestRunMs = 120000;

} // namespace

CommandRun::CommandRun(const QString &program, const QStringList &arguments,
                       const QProcessEnvironment &environment)
    : m_commandLine((QStringList {program} + arguments).join(QLatin1Char(' ')))
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(LongestRunMs)) {
        m_output
            = process.errorString() + QLatin1Char('\n') + QString::fromLocal8Bit(process.readAll());
        process.kill();
        process.waitForFinished();
        return;
    }
    m_output = QString::fromLocal8Bit(process.readAll());
    m_succeeded = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString CommandRun::report() const
{
    return m_commandLine + QLatin1Char('\n') + m_output;
}

QString CommandRun::find(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}
