#pragma once

#include "app/messageboxes.h"

#include <deque>
#include <vector>

// Keeps every message shown and answers from a queue (Ok when the queue is empty); for tests and for the
// batch tool, which has nobody to ask.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageButtons buttons;
    };

    MessageAnswer show(std::string_view text, std::string_view caption, MessageButtons buttons) override;

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
};
