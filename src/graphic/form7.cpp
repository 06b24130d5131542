#include "form7.h"

namespace Quozzoli {

Form7::Form7(QWidget *parent)
    : ExerciseScreen(ScreenId::Form7, parent)
{
    setObjectName(QStringLiteral("Form7"));
}

void Form7::formActivate()
{
    resetCounters();
    nuovaDivisione();
}

void Form7::nuovaDivisione() { }

} // namespace Quozzoli
