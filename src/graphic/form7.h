#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Children served a given number of candies each, nothing left over.
class Form7 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form7(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
