#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Two-digit quotients with a remainder, dividends up to 890.
class Form11 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form11(QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
