// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a child hears: the board's sentences, the effects and the wrong-answer
// sound after a key, played by the program's own player on a private
// PulseAudio or PipeWire server (QUOZZOLI_SOUND_SERVER=pipewire) whose null
// sink is recorded, and found sample by sample in the recording. Prints, per run, what each file
// lost at its start and end, the silence added between the words of a sentence, the key-to-sound
// latency beside paplay's on the same server, and the CPU taken while idle.
// See README.md.
#include "answerbox.h"
#include "benchenvironment.h"
#include "exercisescreen.h"
#include "heardsearch.h"
#include "privatepulse.h"
#include "screendriver.h"
#include "services.h"
#include "sharedvalues.h"
#include "soundcues.h"
#include "soundfiles.h"
#include "soundplayer.h"
#include "wavinfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace Quozzoli;
using Samples = HeardSearch::Samples;

namespace {

constexpr double Rate = PrivatePulse::Rate;

double ms(std::int64_t frames)
{
    return double(frames) * 1000.0 / Rate;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double largest(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// The file's samples as they are on disk (the program's files are 16-bit
// mono at 44100 Hz, as the recording).
Samples samplesOf(const std::string &relative)
{
    const std::string path = SoundFiles::fullPath(QUOZZOLI_PROGRAM_DIR, relative);
    const WavInfo info = readWavInfo(path);
    QFile file(QString::fromStdString(path));
    if (!info.valid || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data") + 8;
    Samples samples(info.dataBytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const qsizetype at = data + qsizetype(2 * i);
        samples[i] = std::int16_t(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
    }
    return samples;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void listen(int milliseconds)
{
    // An event loop, not QTest::qWait(), which wakes every 10 ms.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Sentences of the four boards, as their steps and answers say them.
std::vector<std::vector<std::string>> sentences()
{
    using namespace SoundFiles;
    return {
        {CiSono, number(12), Caramelle},
        {CiSono, number(4), Bambini},
        {Scopri1},
        {number(12), Diviso, number(4), Uguale, number(3)},
        {CiSono, number(15), Caramelle},
        {Ogni, number(3), Caramelle},
        {Scopri2},
        {number(15), Diviso, number(3), Uguale, number(5)},
        {CiSono, number(7), Caramelle},
        {SoloUno},
        {Attento1},
        {number(7), Diviso, number(1), Uguale, number(7), Resto, number(0)},
        {CiSono, number(29), Caramelle},
        {Ogni, number(9), Caramelle},
        {number(29), Diviso, number(9), Uguale, number(3), Resto, number(2)},
    };
}

struct Played
{
    std::vector<std::string> files;
    std::int64_t from = 0;
};

struct Figures
{
    std::vector<double> lostAtStart, lostAtEnd, gaps;
    int files = 0;
    int unheard = 0;
    int holes = 0;
    double holeMs = 0;
};

void report(const Samples &heard, const std::vector<Played> &played, Figures &figures)
{
    std::printf("  %-22s %9s %9s %9s %11s\n", "file", "lost at", "lost at", "holes", "added gap");
    std::printf("  %-22s %9s %9s %9s %11s\n", "", "start ms", "end ms", "(ms)", "before ms");
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Played &p = played[i];
        // A file is heard before the next sound is asked for, or soon after.
        const std::int64_t until = i + 1 < played.size()
            ? played[i + 1].from + std::int64_t(Rate / 2)
            : std::int64_t(heard.size());
        std::int64_t cursor = p.from;
        HeardSearch::Found previous;
        for (std::size_t k = 0; k < p.files.size(); ++k) {
            const HeardSearch::Found f
                = HeardSearch::find(heard, samplesOf(p.files[k]), cursor, until);
            ++figures.files;
            if (!f.found) {
                ++figures.unheard;
                std::printf("  %-22s   not heard\n", p.files[k].c_str());
                previous = f;
                continue;
            }
            figures.lostAtStart.push_back(ms(f.lostAtStart));
            figures.lostAtEnd.push_back(ms(f.lostAtEnd + f.lostInside));
            figures.holes += f.holes;
            figures.holeMs += ms(f.holeFrames);
            QByteArray gap;
            if (k > 0 && previous.found) {
                const double added = ms(HeardSearch::addedGap(previous, f));
                figures.gaps.push_back(added);
                gap = QByteArray::number(added, 'f', 1);
            }
            std::printf("  %-22s %9.1f %9.1f %3d (%3.0f) %11s\n", p.files[k].c_str(),
                        ms(f.lostAtStart), ms(f.lostAtEnd + f.lostInside), f.holes,
                        ms(f.holeFrames), gap.constData());
            cursor = f.last + 1;
            previous = f;
        }
    }
}

// The time from `mark` to the first sample of the file heard within a
// second after it; nothing if it was not heard.
std::optional<double> latencyMs(const Samples &heard, const Samples &file, std::int64_t mark)
{
    const HeardSearch::Found f = HeardSearch::find(heard, file, mark, mark + std::int64_t(Rate));
    if (!f.found)
        return std::nullopt;
    return ms(f.first - f.lostAtStart - f.leadingZeros - mark);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    PrivatePulse pulse;
    QString error;
    if (!pulse.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("Sound server: %s, %s\n", pulse.name(),
                pulse.realTime() ? "at real-time priority" : "without real-time priority");
    BenchEnvironment env; // the program's own player; effects loaded ahead
    shared().attendiBottone = true;
    auto *screen = env.open<ExerciseScreen>(ScreenId::Form2);
    listen(1500);

    const std::string wrong = SoundFiles::WrongEffect;
    const Samples wrongSamples = samplesOf(wrong);
    const QString wrongPath = SoundCues::fullPath(wrong);
    for (int run = 1; run <= runs; ++run) {
        const int missedBefore = pulse.missedBlocks();
        std::vector<Played> played;
        for (const std::vector<std::string> &sentence : sentences()) {
            played.push_back({sentence, pulse.recordedFrames()});
            QSignalSpy spoken(&Services::sound(), &SoundPlayer::spoken);
            SoundCues::speak(sentence);
            spoken.wait(10000); // heard to its end
            listen(600);
        }
        std::vector<std::string> effects {wrong};
        for (int k = 1; k <= 4; ++k)
            effects.push_back(SoundFiles::rightEffect(k));
        for (const std::string &effect : effects) {
            played.push_back({{effect}, pulse.recordedFrames()});
            Services::sound().play(SoundCues::fullPath(effect));
            listen(1500);
        }

        // A wrong answer on Form2, and paplay on the same server, in turns,
        // each after a quiet spell.
        std::vector<std::int64_t> keyMarks, paplayMarks;
        const QList<ScreenDriver::Step> steps = ScreenDriver::rightSteps(screen);
        AnswerBox *box = steps.first().box;
        box->setText(QString::number(steps.first().expected + 1));
        for (int i = 0; i < 5; ++i) {
            keyMarks.push_back(pulse.recordedFrames());
            QTest::keyClick(box, Qt::Key_Return);
            listen(1500);
            paplayMarks.push_back(pulse.recordedFrames());
            QProcess paplay;
            paplay.start(QStringLiteral("paplay"), {wrongPath});
            listen(1500);
            paplay.waitForFinished(5000);
        }

        listen(1500);
        const double cpuBefore = cpuSeconds();
        QElapsedTimer idle;
        idle.start();
        listen(10000);
        const double cpuPercent
            = 100.0 * (cpuSeconds() - cpuBefore) / (double(idle.elapsed()) / 1000.0);

        const Samples heard = pulse.recording();
        double load[3] = {};
        getloadavg(load, 3);
        std::printf("\nrun %d of %d (load average %.2f %.2f %.2f)\n", run, runs, load[0], load[1],
                    load[2]);
        Figures figures;
        report(heard, played, figures);
        std::vector<double> keys, paplays;
        for (std::int64_t mark : keyMarks) {
            if (const std::optional<double> latency = latencyMs(heard, wrongSamples, mark))
                keys.push_back(*latency);
        }
        for (std::int64_t mark : paplayMarks) {
            if (const std::optional<double> latency = latencyMs(heard, wrongSamples, mark))
                paplays.push_back(*latency);
        }
        const auto count = [](const std::vector<double> &v) {
            return std::count_if(v.begin(), v.end(), [](double x) { return x > 0.0; });
        };
        std::printf("  %d files, %d not heard: lost at the end median %.1f ms, max %.1f ms, %ld "
                    "files cut; at the start median %.1f ms, max %.1f ms, %ld files; %d holes, "
                    "%.0f ms; blocks the server itself missed: %d\n",
                    figures.files, figures.unheard, median(figures.lostAtEnd),
                    largest(figures.lostAtEnd), long(count(figures.lostAtEnd)),
                    median(figures.lostAtStart), largest(figures.lostAtStart),
                    long(count(figures.lostAtStart)), figures.holes, figures.holeMs,
                    pulse.missedBlocks() - missedBefore);
        std::printf("  added gap between words: median %.1f ms, max %.1f ms (%zu gaps)\n",
                    median(figures.gaps), largest(figures.gaps), figures.gaps.size());
        std::printf("  key to wrong-answer sound: median %.1f ms (max %.1f, heard %zu of %zu); "
                    "paplay median %.1f ms (max %.1f, heard %zu of %zu); %.1f ms beyond paplay\n",
                    median(keys), largest(keys), keys.size(), keyMarks.size(), median(paplays),
                    largest(paplays), paplays.size(), paplayMarks.size(),
                    median(keys) - median(paplays));
        std::printf("  CPU while idle: %.2f %% of a core over %.1f s\n", cpuPercent,
                    double(idle.elapsed()) / 1000.0);
        std::fflush(stdout);
    }
    return 0;
}
