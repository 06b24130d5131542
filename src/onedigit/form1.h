#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// One-digit quotients without remainder.
class Form1 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
