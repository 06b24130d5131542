// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "privatepulse.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

void end(std::unique_ptr<QProcess> &process)
{
    if (!process)
        return;
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
    process.reset();
}

} // namespace

PrivatePulse::PrivatePulse()
{
    QFile config(path(QStringLiteral("default.pa")));
    if (config.open(QIODevice::WriteOnly)) {
        config.write("load-module module-native-protocol-unix auth-anonymous=1 socket="
                     + path(QStringLiteral("native")).toLocal8Bit() + "\n");
        config.write("load-module module-null-sink sink_name=nul rate=44100\n");
        config.write("set-default-sink nul\n");
    }
    QFile client(path(QStringLiteral("client.conf")));
    if (client.open(QIODevice::WriteOnly))
        client.write("autospawn = no\n");
}

PrivatePulse::~PrivatePulse()
{
    end(m_recorder);
    end(m_silence);
    end(m_server);
}

std::unique_ptr<QProcess> PrivatePulse::spawn(const QString &program,
                                              const QStringList &arguments) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    process->setProcessEnvironment(environment);
    process->setProgram(program);
    process->setArguments(arguments);
    return process;
}

bool PrivatePulse::run(const QStringList &arguments, int timeoutMs) const
{
    std::unique_ptr<QProcess> process = spawn(QStringLiteral("pactl"), arguments);
    process->start();
    return process->waitForFinished(timeoutMs) && process->exitStatus() == QProcess::NormalExit
        && process->exitCode() == 0;
}

bool PrivatePulse::start(QString *error)
{
    end(m_recorder);
    end(m_silence);
    end(m_server);
    // What the client library looks for is found here, not in the user's
    // session; the server takes no cookie. It is read at each connection.
    qputenv("PULSE_SERVER", "unix:" + path(QStringLiteral("native")).toLocal8Bit());
    qputenv("PULSE_COOKIE", path(QStringLiteral("cookie")).toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", path(QStringLiteral("client.conf")).toLocal8Bit());
    m_server
        = spawn(QStringLiteral("pulseaudio"),
                {QStringLiteral("-n"), QStringLiteral("-F"), path(QStringLiteral("default.pa")),
                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--daemonize=no"),
                 QStringLiteral("--log-target=file:") + path(QStringLiteral("server.log"))});
    m_server->start();
    if (!m_server->waitForStarted(5000)) {
        *error = QStringLiteral("pulseaudio does not start: ") + m_server->errorString();
        return false;
    }
    QDeadlineTimer answered(15000);
    while (!run({QStringLiteral("info")}, 2000)) {
        if (answered.hasExpired() || m_server->state() == QProcess::NotRunning) {
            QFile log(path(QStringLiteral("server.log")));
            log.open(QIODevice::ReadOnly);
            *error = QStringLiteral("pulseaudio does not answer: ")
                + QString::fromLocal8Bit(log.readAll().right(2000));
            return false;
        }
        QThread::msleep(50);
    }

    m_silence = spawn(QStringLiteral("pacat"),
                      {QStringLiteral("--raw"), QStringLiteral("--latency-msec=10"),
                       QStringLiteral("/dev/zero")});
    m_silence->start();
    m_recorder = spawn(QStringLiteral("parec"),
                       {QStringLiteral("--device=nul.monitor"), QStringLiteral("--raw"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                        QStringLiteral("--rate=44100"), QStringLiteral("--latency-msec=5")});
    m_recorder->setStandardOutputFile(path(QStringLiteral("heard-%1.raw").arg(++m_recordings)));
    m_recorder->start();
    if (!m_silence->waitForStarted(5000) || !m_recorder->waitForStarted(5000)) {
        *error = QStringLiteral("pacat or parec does not start");
        return false;
    }
    // Recording for a quarter of a second shows the sink is awake.
    QDeadlineTimer recording(10000);
    while (recordedFrames() < Rate / 4) {
        if (recording.hasExpired()) {
            *error = QStringLiteral("nothing is recorded");
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

void PrivatePulse::kill()
{
    if (m_server) {
        m_server->kill();
        m_server->waitForFinished(3000);
    }
    end(m_recorder);
    end(m_silence);
}

std::int64_t PrivatePulse::recordedFrames() const
{
    return QFileInfo(path(QStringLiteral("heard-%1.raw").arg(m_recordings))).size() / 2;
}

std::vector<std::int16_t> PrivatePulse::recording() const
{
    QFile file(path(QStringLiteral("heard-%1.raw").arg(m_recordings)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> samples(std::size_t(bytes.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::int16_t(quint8(bytes[qsizetype(2 * i)])
                                  | quint8(bytes[qsizetype(2 * i + 1)]) << 8);
    return samples;
}
