#pragma once

#include "exercisescreen.h"

namespace Quozzoli {

// Children served a given number of candies each, some left over.
class Form9 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form9(QWidget *parent = nullptr);

    void formActivate() override;
    void nuovaDivisione() override;
};

} // namespace Quozzoli
