#include "excel/automationerror.h"

AutomationError::AutomationError(AutomationErrorKind kind, const std::string& what)
    : std::runtime_error(what), m_kind(kind) {}
