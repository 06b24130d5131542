#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Candies shared among a given number of children, nothing left over.
class Form6 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
