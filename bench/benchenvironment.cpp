#include "benchenvironment.h"

#include "latency.h"
#include "navigator.h"
#include "screen.h"
#include "services.h"
#include "soundcues.h"
#include "soundfiles.h"
#include "soundplayer.h"

using namespace Quozzoli;

BenchEnvironment::BenchEnvironment()
{
    Services::setProgramDir(QStringLiteral(QUOZZOLI_PROGRAM_DIR));
    Services::setSound(nullptr); // the program's own player is made on first use
    QStringList effects;
    for (int k = 1; k <= 4; ++k)
        effects << SoundCues::fullPath(SoundFiles::rightEffect(k));
    effects << SoundCues::fullPath(SoundFiles::WrongEffect);
    Services::sound().preload(effects);
}

BenchEnvironment::~BenchEnvironment() = default;

Screen *BenchEnvironment::open(ScreenId id)
{
    TestEnvironment::closeAll();
    Screen *screen = Navigator::open(id);
    Latency::waitUntilShown(screen);
    return screen;
}

const QList<BenchEnvironment::Exercise> &BenchEnvironment::exercises()
{
    static const QList<Exercise> all {
        {ScreenId::Form1, "Form1", "Command2", true},
        {ScreenId::Form3, "Form3", "Command3", true},
        {ScreenId::Form4, "Form4", "Command4", true},
        {ScreenId::Form2, "Form2", "Command5", true},
        {ScreenId::Form5, "Form5", "Command6", true},
        {ScreenId::Form6, "Form6", "Command7", false},
        {ScreenId::Form7, "Form7", "Command8", false},
        {ScreenId::Form8, "Form8", "Command9", false},
        {ScreenId::Form9, "Form9", "Command10", false},
        {ScreenId::Form10, "Form10", "Command11", true},
        {ScreenId::Form11, "Form11", "Command12", true},
    };
    return all;
}
