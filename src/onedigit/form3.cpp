#include "form3.h"

#include "randomsource.h"
#include "services.h"
namespace Quozzoli {

Form3::Form3(QWidget *parent)
    : ExerciseScreen(ScreenId::Form3, parent)
{
    setObjectName(QStringLiteral("Form3"));
    useOwnCounters();
}

void Form3::formActivate()
{
    applyWaitSwitch();
    Services::random().seedFromClock();
    resetCounters();
    nuovaDivisione();
}

void Form3::nuovaDivisione()
{
    caricaColori();
}

} // namespace Quozzoli
