#pragma once

#include "app/messageboxes.h"

class QWidget;

// Message boxes on screen: modal, no icon, the buttons asked for; over the given window, or else over
// the window that is active when the message comes.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : m_parent(parent) {}
    MessageAnswer show(std::string_view text, std::string_view caption, MessageButtons buttons) override;

private:
    QWidget* m_parent;
};
