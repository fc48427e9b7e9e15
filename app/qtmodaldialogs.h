#pragma once

#include "app/modaldialogs.h"

// Runs the dialog's own modal loop.
class QtModalDialogs final : public ModalDialogs {
public:
    int exec(QDialog& dialog) override;
};
