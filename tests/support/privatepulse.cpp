// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "privatepulse.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

#ifndef Q_OS_WIN

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

PrivatePulse::PrivatePulse(Server server)
    : m_kind(server)
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
    // PipeWire's graph runs at 48000 Hz unless told otherwise, and would
    // resample what it plays: the recording would no longer hold the files'
    // samples. Its null sink is mono for the same reason: mono played on
    // stereo and recorded as mono comes out 3 dB louder.
    // The graph's block is the smallest any client asks for: the silence and
    // the recorder below, at 10 and 5 ms, would make it 128 frames (2.9 ms),
    // a fraction of the 1024 a desktop runs at, and at that size PipeWire
    // itself drops blocks on a busy machine, whoever plays (paplay too).
    // 512 frames (11.6 ms), half a desktop's block, is safe and still fine
    // enough for timing what is heard.
    QDir(m_dir.path()).mkpath(QStringLiteral("pipewire/pipewire.conf.d"));
    QFile graph(path(QStringLiteral("pipewire/pipewire.conf.d/90-graph.conf")));
    if (graph.open(QIODevice::WriteOnly))
        graph.write(QStringLiteral("context.properties = { default.clock.rate = %1 "
                                   "default.clock.allowed-rates = [ %1 ] "
                                   "default.clock.min-quantum = %2 }\n")
                        .arg(Rate)
                        .arg(BlockFrames)
                        .toLatin1());
}

PrivatePulse::~PrivatePulse()
{
    end(m_profiler);
    end(m_recorder);
    end(m_silence);
    while (!m_servers.empty()) {
        end(m_servers.back());
        m_servers.pop_back();
    }
    end(m_bus);
}

QString PrivatePulse::path(const QString &name) const
{
    return m_dir.filePath(name);
}

QString PrivatePulse::socket() const
{
    return m_kind == Server::PipeWire ? path(QStringLiteral("pulse/native"))
                                      : path(QStringLiteral("native"));
}

std::unique_ptr<QProcess> PrivatePulse::spawn(const QString &program,
                                              const QStringList &arguments) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        environment.insert(QString::fromLatin1(name), m_dir.path());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + path(QStringLiteral("bus")));
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

bool PrivatePulse::waitForAnswer(QString *error)
{
    QDeadlineTimer answered(15000);
    while (!run({QStringLiteral("info")}, 2000)) {
        const bool died = std::any_of(m_servers.begin(), m_servers.end(), [](const auto &p) {
            return p->state() == QProcess::NotRunning;
        });
        if (answered.hasExpired() || died) {
            QFile log(path(QStringLiteral("server.log")));
            log.open(QIODevice::ReadOnly);
            *error = QStringLiteral("%1 does not answer: %2")
                         .arg(QString::fromLatin1(name()),
                              QString::fromLocal8Bit(log.readAll().right(2000)));
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

bool PrivatePulse::startPulseAudio(QString *error)
{
    auto server
        = spawn(QStringLiteral("pulseaudio"),
                {QStringLiteral("-n"), QStringLiteral("-F"), path(QStringLiteral("default.pa")),
                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--daemonize=no"),
                 QStringLiteral("--log-target=file:") + path(QStringLiteral("server.log"))});
    server->start();
    if (!server->waitForStarted(5000)) {
        *error = QStringLiteral("pulseaudio does not start: ") + server->errorString();
        return false;
    }
    m_servers.push_back(std::move(server));
    return waitForAnswer(error);
}

bool PrivatePulse::startPipeWire(QString *error)
{
    // Wireplumber, which links streams to the default sink, needs a session
    // bus; it outlives the server's restarts, as a desktop's does.
    if (!m_bus) {
        m_bus = spawn(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--address=unix:path=") + path(QStringLiteral("bus"))});
        m_bus->start();
        QDeadlineTimer listening(5000);
        while (!QFileInfo::exists(path(QStringLiteral("bus")))) {
            if (listening.hasExpired() || m_bus->state() == QProcess::NotRunning) {
                *error = QStringLiteral("dbus-daemon does not start: ") + m_bus->errorString();
                return false;
            }
            QThread::msleep(10);
        }
    }
    // The socket of a server that was killed stays behind.
    QFile::remove(path(QStringLiteral("pipewire-0")));
    for (const char *program : {"pipewire", "wireplumber", "pipewire-pulse"}) {
        auto server = spawn(QString::fromLatin1(program), {});
        server->setStandardOutputFile(path(QStringLiteral("server.log")), QIODevice::Append);
        server->setStandardErrorFile(path(QStringLiteral("server.log")), QIODevice::Append);
        server->start();
        if (!server->waitForStarted(5000)) {
            *error = QStringLiteral("%1 does not start: %2")
                         .arg(QString::fromLatin1(program), server->errorString());
            return false;
        }
        m_servers.push_back(std::move(server));
        if (qstrcmp(program, "pipewire") == 0) {
            QDeadlineTimer listening(5000);
            while (!QFileInfo::exists(path(QStringLiteral("pipewire-0")))
                   && !listening.hasExpired())
                QThread::msleep(10);
        }
    }
    if (!waitForAnswer(error))
        return false;
    // Its PulseAudio service answers before the graph takes a sink.
    QDeadlineTimer loaded(10000);
    while (!run({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                 QStringLiteral("sink_name=nul"), QStringLiteral("rate=44100"),
                 QStringLiteral("channels=1")},
                5000)) {
        if (loaded.hasExpired()) {
            *error = QStringLiteral("PipeWire takes no null sink");
            return false;
        }
        QThread::msleep(50);
    }
    // And on a busy machine the sink may not be there for it at once.
    while (!run({QStringLiteral("set-default-sink"), QStringLiteral("nul")}, 5000)) {
        if (loaded.hasExpired()) {
            *error = QStringLiteral("PipeWire does not make the null sink the default");
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

bool PrivatePulse::start(QString *error)
{
    kill();
    // What the client library looks for is found here, not in the user's
    // session; the server takes no cookie. It is read at each connection.
    qputenv("PULSE_SERVER", "unix:" + socket().toLocal8Bit());
    qputenv("PULSE_COOKIE", path(QStringLiteral("cookie")).toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", path(QStringLiteral("client.conf")).toLocal8Bit());
    if (!(m_kind == Server::PipeWire ? startPipeWire(error) : startPulseAudio(error)))
        return false;

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
    if (!waitForRecording(error))
        return false;
    if (m_kind != Server::PipeWire)
        return true;

    m_profile = {};
    m_profiler = spawn(QStringLiteral("pw-profiler"), {QStringLiteral("-o"), profilePath()});
    m_profiler->setWorkingDirectory(m_dir.path()); // where it leaves its plots
    m_profiler->start();
    QDeadlineTimer profiling(10000);
    while (profiledBlocks() == 0) {
        if (profiling.hasExpired() || m_profiler->state() == QProcess::NotRunning) {
            *error = QStringLiteral("pw-profiler tells nothing of PipeWire's blocks");
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

void PrivatePulse::kill()
{
    end(m_profiler);
    // The last started goes first.
    while (!m_servers.empty()) {
        std::unique_ptr<QProcess> &server = m_servers.back();
        server->kill();
        server->waitForFinished(3000);
        m_servers.pop_back();
    }
    end(m_recorder);
    end(m_silence);
}
bool PrivatePulse::realTime() const
{
    if (m_servers.empty())
        return false;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(m_servers.front()->processId());
    const QStringList threads = QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(threads.begin(), threads.end(), [&](const QString &thread) {
        QFile stat(tasks + QLatin1Char('/') + thread + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        // The fields after the command's name, in brackets: the policy is
        // the 41st field of all, 0 for the ordinary one.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        return fields.size() > 38 && fields[38].toInt() != 0;
    });
}

// pw-profiler writes a line for each block: four figures of the driver, then
// eight for each of up to 64 followers, the seventh of them its state when
// the block was done with: 3 when it had finished, 1 or 2 when it was still
// waiting to run or running, blank for no follower. Only whole lines count.
int PrivatePulse::profiledBlocks() const
{
    QFile profile(profilePath());
    if (!profile.open(QIODevice::ReadOnly) || !profile.seek(m_profile.read))
        return m_profile.blocks;
    const QByteArray text = profile.readAll();
    const qsizetype whole = text.lastIndexOf('\n') + 1;
    const QList<QByteArray> lines = text.first(whole).split('\n');
    for (qsizetype l = 0; l + 1 < lines.size(); ++l) {
        const QList<QByteArray> fields = lines[l].split('\t');
        bool late = false;
        for (qsizetype k = 4 + 6; k < fields.size(); k += 8)
            late = late || fields[k] == "1" || fields[k] == "2";
        m_profile.missed += late ? 1 : 0;
    }
    m_profile.blocks += int(lines.size() - 1);
    m_profile.read += whole;
    return m_profile.blocks;
}

int PrivatePulse::missedBlocks() const
{
    if (!m_profiler)
        return 0;
    // The server hands its profile over in batches, some 30 blocks each;
    // sixty blocks more cover the moment of asking.
    const int asked = profiledBlocks();
    QDeadlineTimer caughtUp(5000);
    while (profiledBlocks() < asked + 60 && !caughtUp.hasExpired())
        QThread::msleep(20);
    return m_profile.missed;
}

#else // Q_OS_WIN

PrivatePulse::PrivatePulse(Server)
    : m_kind(Server::PulseAudio)
    , m_control(QDir::fromNativeSeparators(qEnvironmentVariable("QUOZZOLI_SOUND_CONTROL")))
{ }

PrivatePulse::~PrivatePulse()
{
    if (m_recordings > 0)
        request(QStringLiteral("kill"));
}

QString PrivatePulse::path(const QString &name) const
{
    return QDir(m_control).filePath(name);
}

// The keeper answers each request, numbered from 1, in a file of its own.
QString PrivatePulse::request(const QString &what)
{
    if (m_control.isEmpty())
        return {};
    const int number = ++m_requests;
    QFile asked(path(QStringLiteral("request-%1.new").arg(number)));
    if (!asked.open(QIODevice::WriteOnly))
        return {};
    asked.write(what.toLatin1() + '\n');
    asked.close();
    asked.rename(path(QStringLiteral("request-%1").arg(number)));
    QFile answer(path(QStringLiteral("done-%1").arg(number)));
    QDeadlineTimer answered(30000);
    while (!answer.exists()) {
        if (answered.hasExpired())
            return {};
        QThread::msleep(10);
    }
    if (!answer.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(answer.readAll()).trimmed();
}

bool PrivatePulse::start(QString *error)
{
    if (m_control.isEmpty()) {
        *error = QStringLiteral("no keeper of a sound server (QUOZZOLI_SOUND_CONTROL)");
        return false;
    }
    const QString answer = request(QStringLiteral("start"));
    const QString recording = answer.section(QLatin1Char(' '), 1);
    if (!answer.startsWith(QLatin1String("ok "))
        || !recording.startsWith(QLatin1String("heard-"))) {
        *error = QStringLiteral("the sound server does not start: ") + answer;
        return false;
    }
    m_recordings = recording.mid(6).section(QLatin1Char('.'), 0, 0).toInt();
    return waitForRecording(error);
}

void PrivatePulse::kill()
{
    request(QStringLiteral("kill"));
}

bool PrivatePulse::realTime() const
{
    return false;
}

int PrivatePulse::missedBlocks() const
{
    return 0;
}

#endif // Q_OS_WIN

PrivatePulse::Server PrivatePulse::fromEnvironment()
{
    return qgetenv("QUOZZOLI_SOUND_SERVER") == "pipewire" ? Server::PipeWire : Server::PulseAudio;
}

const char *PrivatePulse::name() const
{
    return m_kind == Server::PipeWire ? "PipeWire" : "PulseAudio";
}

// Recording for a quarter of a second shows the sink is awake.
bool PrivatePulse::waitForRecording(QString *error) const
{
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
