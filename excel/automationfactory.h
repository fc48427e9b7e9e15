#pragma once

#include "excel/autovalue.h"

#include <functional>
#include <string_view>

// Creates a new instance of the automation server registered under a ProgID; throws
// AutomationError(UnknownClass) when there is none. Tests inject their own.
using AutomationFactory = std::function<AutoRef(std::string_view progId)>;

// The program's registry: "Excel.Application" (compared without regard to case) starts a new instance
// of the built-in workbook engine.
AutoRef createAutomationObject(std::string_view progId);
