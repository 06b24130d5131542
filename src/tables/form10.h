#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// The times tables: find the product or the missing factor.
class Form10 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form10(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
