#include "form6.h"

namespace Quozzoli {

Form6::Form6(QWidget *parent)
    : ExerciseScreen(ScreenId::Form6, parent)
{
    setObjectName(QStringLiteral("Form6"));
}

void Form6::formActivate()
{
    resetCounters();
    nuovaDivisione();
}

void Form6::nuovaDivisione() { }

} // namespace Quozzoli
