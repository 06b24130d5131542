// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of an outside command, waited for to its end.
class CommandRun
{
public:
    CommandRun(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    // True when the command started, ended by itself and returned 0.
    bool succeeded() const { return m_succeeded; }
    QString output() const { return m_output; }
    // The command line and everything it printed, for a failure message.
    QString report() const;

    // The full path of a command found in PATH, or an empty string.
    static QString find(const QString &name);

private:
    QString m_commandLine;
    QString m_output;
    bool m_succeeded = false;
};
