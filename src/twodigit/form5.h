#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Two-digit quotients without remainder, dividends up to 882.
class Form5 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
