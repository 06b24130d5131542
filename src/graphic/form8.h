#pragma once

#include "candyboard.h"

namespace Quozzoli {

// Candies shared among a given number of children, some left over.
class Form8 : public CandyBoard
{
    Q_OBJECT

public:
    explicit Form8(QWidget *parent = nullptr);
};

} // namespace Quozzoli
