#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>

class AutoObject;
using AutoRef = std::shared_ptr<AutoObject>;

// How a member is reached: as a method call, a property read or a property write.
enum class InvokeKind { Method, PropertyGet, PropertyPut };

// A tagged automation value as late-bound automation passes it: empty, 32-bit integer, double, boolean,
// string (Windows-1252) or a counted reference to an automation object.
class AutoValue final {
public:
    enum class Type { Empty, Int32, Double, Bool, String, Object };

    AutoValue() noexcept = default;
    AutoValue(std::int32_t value) noexcept : m_value(value) {}
    AutoValue(double value) noexcept : m_value(value) {}
    AutoValue(bool value) noexcept : m_value(value) {}
    AutoValue(std::string value) noexcept : m_value(std::move(value)) {}
    AutoValue(const char* value) : m_value(std::string(value)) {}
    AutoValue(AutoRef object) noexcept;

    Type type() const noexcept { return static_cast<Type>(m_value.index()); }
    bool isEmpty() const noexcept { return type() == Type::Empty; }
    bool isObject() const noexcept { return type() == Type::Object; }

    // Typed access; each throws AutomationError(BadArguments) when the value holds another type.
    std::int32_t asInt() const;
    double asDouble() const;
    bool asBool() const;
    const std::string& asString() const;
    const AutoRef& asObject() const;

    // Calls a member of the referenced object; throws AutomationError(NotAnObject) before anything is
    // sent when this value is not an object reference. A property put takes the new value as last argument.
    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args = {}) const;
    AutoValue get(std::string_view member, std::initializer_list<AutoValue> args = {}) const;
    void put(std::string_view member, const AutoValue& value) const;
    AutoValue call(std::string_view member, std::initializer_list<AutoValue> args = {}) const;

    // Same type and same content; object references compare by identity.
    bool operator==(const AutoValue& other) const noexcept;

    // A short readable form for messages and test output ("I4 7", "BSTR \"x\"", "DISPATCH").
    std::string describe() const;

private:
    std::variant<std::monostate, std::int32_t, double, bool, std::string, AutoRef> m_value;
};
