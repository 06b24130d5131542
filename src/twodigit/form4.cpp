#include "form4.h"

namespace Quozzoli {

Form4::Form4(QWidget *parent)
    : ExerciseScreen(ScreenId::Form4, parent)
{
    setObjectName(QStringLiteral("Form4"));
}

void Form4::formLoad()
{
    resetCounters();
}

void Form4::formActivate()
{
    applyWaitSwitch();
    nuovaDivisione();
}

void Form4::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
