#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// One-digit quotients with a remainder, with counts of its own.
class Form3 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
