#pragma once

#include <string>
#include <string_view>

// Buttons and answers of a modal message box.
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// Every message the program shows goes through this, so that each handler can be driven in a test.
// Texts and captions are Windows-1252, exactly as the program words them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(std::string_view text, std::string_view caption, MessageButtons buttons) = 0;
};

// The application title, the caption of plain messages and the title of single print jobs.
inline constexpr std::string_view ApplicationTitle = " TELMORA ";
