// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <vector>

// A sound server of the test's own, in a folder of its own, with a null sink
// at 44100 Hz whose monitor is recorded: what the recording holds is what a
// listener would have heard. Either PulseAudio, or PipeWire with its
// PulseAudio service (with a session bus of its own, as it needs one). Once
// started, this process's sound output connects to it.
// Under Wine a Windows program cannot start Linux programs: the server is
// PulseAudio, kept by scripts/build-windows in the folder named by
// QUOZZOLI_SOUND_CONTROL, to which Wine's driver plays.
class PrivatePulse
{
public:
    enum class Server { PulseAudio, PipeWire };

    explicit PrivatePulse(Server server = fromEnvironment());
    ~PrivatePulse();

    // QUOZZOLI_SOUND_SERVER=pipewire picks PipeWire; PulseAudio otherwise.
    static Server fromEnvironment();
    Server server() const { return m_kind; }
    const char *name() const;

    // Starts the server (again, after kill()) and waits until it answers;
    // then a new recording, with a low-latency stream of silence beside it
    // (the monitor of a null sink drops audio while the sink wakes up). False,
    // with the reason, when any of it fails.
    bool start(QString *error);
    // The server dies, as it would if it crashed; the recording ends.
    void kill();

    // Whether the server's threads run at real-time priority, as a desktop's
    // do (through RTKit); without it a busy machine makes it miss deadlines.
    bool realTime() const;
    // How many blocks, up to now, PipeWire's graph ended with a node that
    // had not done its part in time: that block is lost, played or recorded
    // as silence, whoever filled it. Counted from the server's own profile of
    // every block (its log tells only one miss in two seconds), once that
    // profile has caught up with the moment of asking. 0 on PulseAudio.
    int missedBlocks() const;

    // Frames recorded so far (mono, 16-bit, 44100 Hz).
    std::int64_t recordedFrames() const;
    std::vector<std::int16_t> recording() const;

    static constexpr int Rate = 44100;
    // PipeWire's block, the silence one missed block leaves (11.6 ms).
    static constexpr int BlockFrames = 512;

private:
    bool startPulseAudio(QString *error);
    bool startPipeWire(QString *error);
    bool waitForAnswer(QString *error);
    QString socket() const;
    bool run(const QStringList &arguments, int timeoutMs) const;
    std::unique_ptr<QProcess> spawn(const QString &program, const QStringList &arguments) const;
    QString path(const QString &name) const;
    bool waitForRecording(QString *error) const;
    QString profilePath() const { return path(QStringLiteral("profile-%1.log").arg(m_recordings)); }
    int profiledBlocks() const;
    // Under Wine: asks the keeper of the server; its answer, or nothing.
    QString request(const QString &what);

    Server m_kind;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_bus;
    std::vector<std::unique_ptr<QProcess>> m_servers; // in the order started
    std::unique_ptr<QProcess> m_silence;
    std::unique_ptr<QProcess> m_recorder;
    std::unique_ptr<QProcess> m_profiler; // PipeWire's
    int m_recordings = 0;
    // What has been read of the profiler's output so far.
    mutable struct
    {
        qint64 read = 0;
        int blocks = 0, missed = 0;
    } m_profile;
    // Under Wine.
    QString m_control; // the keeper's folder
    QString m_recording; // its name there
    int m_requests = 0;
};
