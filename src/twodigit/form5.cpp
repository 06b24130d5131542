#include "form5.h"

namespace Quozzoli {

Form5::Form5(QWidget *parent)
    : ExerciseScreen(ScreenId::Form5, parent)
{
    setObjectName(QStringLiteral("Form5"));
}

void Form5::formLoad()
{
    resetCounters();
}

void Form5::formActivate()
{
    applyWaitSwitch();
    nuovaDivisione();
}

void Form5::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
