#include "excel/autovalue.h"

#include "excel/automationerror.h"
#include "excel/autoobject.h"

#include <cstdio>

namespace {

const char* typeName(AutoValue::Type type) {
    switch (type) {
    case AutoValue::Type::Empty:
        return "EMPTY";
    case AutoValue::Type::Int32:
        return "I4";
    case AutoValue::Type::Double:
        return "R8";
    case AutoValue::Type::Bool:
        return "BOOL";
    case AutoValue::Type::String:
        return "BSTR";
    case AutoValue::Type::Object:
        return "DISPATCH";
    }
    return "?";
}

[[noreturn]] void wrongType(AutoValue::Type wanted, AutoValue::Type held) {
    throw AutomationError(AutomationErrorKind::BadArguments, std::string("type mismatch: ") +
                                                                 typeName(wanted) + " expected, " +
                                                                 typeName(held) + " given");
}

} // namespace

AutoValue::AutoValue(AutoRef object) noexcept {
    if (object)
        m_value = std::move(object);
}

std::int32_t AutoValue::asInt() const {
    if (const auto* v = std::get_if<std::int32_t>(&m_value))
        return *v;
    wrongType(Type::Int32, type());
}

double AutoValue::asDouble() const {
    if (const auto* v = std::get_if<double>(&m_value))
        return *v;
    wrongType(Type::Double, type());
}

bool AutoValue::asBool() const {
    if (const auto* v = std::get_if<bool>(&m_value))
        return *v;
    wrongType(Type::Bool, type());
}

const std::string& AutoValue::asString() const {
    if (const auto* v = std::get_if<std::string>(&m_value))
        return *v;
    wrongType(Type::String, type());
}

const AutoRef& AutoValue::asObject() const {
    if (const auto* v = std::get_if<AutoRef>(&m_value))
        return *v;
    wrongType(Type::Object, type());
}

AutoValue AutoValue::invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) const {
    const auto* object = std::get_if<AutoRef>(&m_value);
    if (!object)
        throw AutomationError(AutomationErrorKind::NotAnObject,
                              std::string(member) + " called on " + describe() + ", which is no object");
    return (*object)->invoke(member, kind, args);
}

AutoValue AutoValue::get(std::string_view member, std::initializer_list<AutoValue> args) const {
    return invoke(member, InvokeKind::PropertyGet, {args.begin(), args.size()});
}

void AutoValue::put(std::string_view member, const AutoValue& value) const {
    invoke(member, InvokeKind::PropertyPut, {&value, 1});
}

AutoValue AutoValue::call(std::string_view member, std::initializer_list<AutoValue> args) const {
    return invoke(member, InvokeKind::Method, {args.begin(), args.size()});
}

bool AutoValue::operator==(const AutoValue& other) const noexcept {
    return m_value == other.m_value;
}

std::string AutoValue::describe() const {
    std::string out = typeName(type());
    char buf[64];
    switch (type()) {
    case Type::Empty:
    case Type::Object:
        break;
    case Type::Int32:
        std::snprintf(buf, sizeof buf, " %d", static_cast<int>(std::get<std::int32_t>(m_value)));
        out += buf;
        break;
    case Type::Double:
        std::snprintf(buf, sizeof buf, " %.17g", std::get<double>(m_value));
        out += buf;
        break;
    case Type::Bool:
        out += std::get<bool>(m_value) ? " true" : " false";
        break;
    case Type::String:
        out += " \"" + std::get<std::string>(m_value) + "\"";
        break;
    }
    return out;
}
