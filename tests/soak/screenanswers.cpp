#include "screenanswers.h"

#include "answerbox.h"
#include "twodigitscreen.h"

using namespace Quozzoli;

namespace {

AnswerBox *box(ExerciseScreen *screen, const char *name)
{
    return screen->findChild<AnswerBox *>(QString::fromLatin1(name));
}

} // namespace

QList<ScreenAnswers::Step> ScreenAnswers::rightSteps(ExerciseScreen *screen)
{
    if (auto *twoDigit = qobject_cast<TwoDigitScreen *>(screen)) {
        const TwoDigitDivision &d = twoDigit->division();
        QList<Step> steps {{box(screen, "Edar"), d.decine}, {box(screen, "Eur"), d.unita}};
        if (AnswerBox *remainder = box(screen, "Text2"))
            steps.append({remainder, d.resto});
        return steps;
    }
    return {};
}
