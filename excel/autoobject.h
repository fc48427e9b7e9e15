#pragma once

#include "excel/autovalue.h"

#include <span>
#include <string_view>

// An object reachable by late-bound automation: members are looked up by name on every call. The
// built-in workbook engine implements it; a Windows build may add one that forwards to IDispatch.
// References are counted (AutoRef); dropping the last one releases the object.
class AutoObject {
public:
    virtual ~AutoObject() = default;

    // Runs member `member` (names compare without regard to case) with positional arguments. Throws
    // AutomationError on an unknown member, unfit arguments or a failure inside the application.
    virtual AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) = 0;
};
