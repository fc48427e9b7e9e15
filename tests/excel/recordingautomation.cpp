#include "recordingautomation.h"

#include "excel/automationerror.h"

#include <memory>

namespace {

class RecordedObject final : public AutoObject {
public:
    RecordedObject(RecordingAutomation& log, std::string name) : m_log(log), m_name(std::move(name)) {
        ++m_log.liveObjects;
    }
    ~RecordedObject() override { --m_log.liveObjects; }

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        return m_log.record(m_name, member, kind, args);
    }

private:
    RecordingAutomation& m_log;
    std::string m_name;
};

const char* kindName(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::Method:
        return "call";
    case InvokeKind::PropertyGet:
        return "get";
    case InvokeKind::PropertyPut:
        return "put";
    }
    return "?";
}

} // namespace

AutoRef RecordingAutomation::create(const std::string& progId) {
    calls.push_back("create " + progId);
    if (failing.count("create"))
        throw AutomationError(AutomationErrorKind::UnknownClass, "class not registered");
    return std::make_shared<RecordedObject>(*this, "Application");
}

AutoValue RecordingAutomation::record(const std::string& object, std::string_view member, InvokeKind kind,
                                      std::span<const AutoValue> args) {
    const std::string head = object + " " + kindName(kind) + " " + std::string(member);
    std::string text = head + "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        text += (i ? ", " : "") + args[i].describe();
    calls.push_back(text + ")");
    if (failing.count(head))
        throw AutomationError(AutomationErrorKind::ApplicationError, head + " failed");
    if (kind == InvokeKind::PropertyPut)
        return {};
    if (const auto it = results.find(std::string(member)); it != results.end())
        return it->second;
    return AutoValue(std::make_shared<RecordedObject>(*this, std::string(member)));
}
