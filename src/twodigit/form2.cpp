#include "form2.h"

namespace Quozzoli {

Form2::Form2(QWidget *parent)
    : ExerciseScreen(ScreenId::Form2, parent)
{
    setObjectName(QStringLiteral("Form2"));
}

void Form2::formLoad()
{
    resetCounters();
}

void Form2::formActivate()
{
    applyWaitSwitch();
    nuovaDivisione();
}

void Form2::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
