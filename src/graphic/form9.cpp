#include "form9.h"

namespace Quozzoli {

Form9::Form9(QWidget *parent)
    : CandyBoard(ScreenId::Form9, parent)
{
    setObjectName(QStringLiteral("Form9"));
}

} // namespace Quozzoli
