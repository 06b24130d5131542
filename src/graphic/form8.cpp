#include "form8.h"

namespace Quozzoli {

Form8::Form8(QWidget *parent)
    : ExerciseScreen(ScreenId::Form8, parent)
{
    setObjectName(QStringLiteral("Form8"));
}

void Form8::formActivate()
{
    resetCounters();
    nuovaDivisione();
}

void Form8::nuovaDivisione() { }

} // namespace Quozzoli
