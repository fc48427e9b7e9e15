#include "excel/automationfactory.h"

#include "excel/automationerror.h"
#include "excel/workbookengine.h"

#include <algorithm>
#include <cctype>

namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

AutoRef createAutomationObject(std::string_view progId) {
    if (equalsNoCase(progId, "Excel.Application"))
        return createExcelApplication();
    throw AutomationError(AutomationErrorKind::UnknownClass,
                          "no automation server registered as \"" + std::string(progId) + "\"");
}
