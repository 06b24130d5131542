#pragma once

#include "candyboard.h"

namespace Quozzoli {

// Candies shared among a given number of children, nothing left over.
class Form6 : public CandyBoard
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);
};

} // namespace Quozzoli
