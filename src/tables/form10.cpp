#include "form10.h"

namespace Quozzoli {

Form10::Form10(QWidget *parent)
    : ExerciseScreen(ScreenId::Form10, parent)
{
    setObjectName(QStringLiteral("Form10"));
}

void Form10::formActivate()
{
    applyWaitSwitch();
    resetCounters();
    nuovaDivisione();
}

void Form10::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
