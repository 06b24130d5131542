#include "form8.h"

namespace Quozzoli {

Form8::Form8(QWidget *parent)
    : CandyBoard(ScreenId::Form8, parent)
{
    setObjectName(QStringLiteral("Form8"));
}

} // namespace Quozzoli
