#include "form9.h"

namespace Quozzoli {

Form9::Form9(QWidget *parent)
    : ExerciseScreen(ScreenId::Form9, parent)
{
    setObjectName(QStringLiteral("Form9"));
}

void Form9::formActivate()
{
    resetCounters();
    nuovaDivisione();
}

void Form9::nuovaDivisione() { }

} // namespace Quozzoli
