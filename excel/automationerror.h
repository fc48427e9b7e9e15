#pragma once

#include <stdexcept>
#include <string>

// What went wrong in an automation call.
enum class AutomationErrorKind {
    UnknownMember,    // the object has no member of that name (or not for that kind of call)
    BadArguments,     // wrong number or types of arguments, or a value out of range
    NotAnObject,      // the call was made on a value that is no object reference
    UnknownClass,     // no automation server is registered under the ProgID
    ApplicationError, // the application refused or failed the call
};

// The exception every automation call throws on failure.
class AutomationError final : public std::runtime_error {
public:
    AutomationError(AutomationErrorKind kind, const std::string& what);
    AutomationErrorKind kind() const noexcept { return m_kind; }

private:
    AutomationErrorKind m_kind;
};
