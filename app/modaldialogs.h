#pragma once

class QDialog;

// Shows a dialog modally; tests replace it to act on the dialog while it is up.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;
    // Returns the dialog's result code.
    virtual int exec(QDialog& dialog) = 0;
};
