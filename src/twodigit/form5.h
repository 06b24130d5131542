#pragma once

#include "twodigitscreen.h"

namespace Quozzoli {

// Two-digit quotients without remainder, dividends up to 882.
class Form5 : public TwoDigitScreen
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);
};

} // namespace Quozzoli
