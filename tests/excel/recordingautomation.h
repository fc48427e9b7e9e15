#pragma once

#include "excel/autoobject.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// A stand-in automation server that answers every call with a fresh object named after the member that
// produced it, records each call as "<object> <get|put|call> <member>(<arguments>)" and fails the calls
// listed in `failing` (matched on "<object> <get|put|call> <member>"). It counts the live objects, so a
// test can see that every intermediate reference was released.
class RecordingAutomation final {
public:
    AutoRef create(const std::string& progId);

    std::vector<std::string> calls;
    std::set<std::string> failing;
    std::map<std::string, AutoValue> results; // canned results by member name instead of a new object
    int liveObjects = 0;

    // Used by the recorded objects.
    AutoValue record(const std::string& object, std::string_view member, InvokeKind kind,
                     std::span<const AutoValue> args);
};
