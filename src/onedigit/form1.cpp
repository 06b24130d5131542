#include "form1.h"

namespace Quozzoli {

Form1::Form1(QWidget *parent)
    : ExerciseScreen(ScreenId::Form1, parent)
{
    setObjectName(QStringLiteral("Form1"));
}

void Form1::formActivate()
{
    applyWaitSwitch();
    resetCounters();
    nuovaDivisione();
}

void Form1::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
