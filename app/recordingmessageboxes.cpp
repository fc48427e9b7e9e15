#include "app/recordingmessageboxes.h"

MessageAnswer RecordingMessageBoxes::show(std::string_view text, std::string_view caption, MessageButtons buttons) {
    shown.push_back({std::string(text), std::string(caption), buttons});
    if (answers.empty())
        return MessageAnswer::Ok;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}
