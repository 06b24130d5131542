#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Two-digit quotients without remainder, dividends up to 99.
class Form2 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
