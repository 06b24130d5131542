#include "form11.h"

namespace Quozzoli {

Form11::Form11(QWidget *parent)
    : ExerciseScreen(ScreenId::Form11, parent)
{
    setObjectName(QStringLiteral("Form11"));
}

void Form11::formLoad()
{
    resetCounters();
}

void Form11::formActivate()
{
    applyWaitSwitch();
    nuovaDivisione();
}

void Form11::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
