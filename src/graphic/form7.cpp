#include "form7.h"

namespace Quozzoli {

Form7::Form7(QWidget *parent)
    : CandyBoard(ScreenId::Form7, parent)
{
    setObjectName(QStringLiteral("Form7"));
}

} // namespace Quozzoli
