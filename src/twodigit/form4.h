#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Two-digit quotients with a remainder, dividends up to 99.
class Form4 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
