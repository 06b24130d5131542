#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Candies shared among a given number of children, some left over.
class Form8 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form8(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
