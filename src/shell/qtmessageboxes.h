#pragma once

#include "messageboxes.h"

namespace Quozzoli {

class QtMessageBoxes final : public MessageBoxes
{
public:
    bool askYesNo(QWidget *parent, const QString &text) override;
    void inform(QWidget *parent, const QString &text) override;
};

} // namespace Quozzoli
