// The components tests' form, built from its compiled template the way the window loader builds a
// form: record by record through each unit's create routine. A stand-in runtime service records what
// the components ask of the runtime (events raised, components destroyed) and answers lookups.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "runtime/event_record.h"
#include "runtime/unit_interface.h"

namespace velmora::test {

constexpr uint32_t kTestWindowId = 0x52010001;
constexpr uint32_t kWindowRecord = 0;
constexpr uint32_t kNameEdit = 0x16010002;
constexpr uint32_t kOkButton = 0x16010003;
constexpr uint32_t kCreateCheck = 0x16010004;
constexpr uint32_t kNameLabel = 0x16010005;
constexpr uint32_t kOpenDialog = 0x16010006;

struct RaisedEvent {
    uint32_t componentId;
    int32_t event;
    std::vector<uint32_t> arguments;
};

// What the components told the stand-in runtime. Events in `refused` get an explicit false back.
struct RuntimeRecord {
    std::vector<RaisedEvent> events;
    std::vector<uint32_t> destroyed;
    std::set<int32_t> refused;

    int Count(uint32_t componentId, int32_t event) const;
};

// A routine of a core unit by interface code.
UnitRoutine UnitRoutineByCode(uint32_t unitType, int32_t code);
template <typename Routine>
Routine UnitRoutineOf(uint32_t unitType, int32_t code) {
    return reinterpret_cast<Routine>(reinterpret_cast<void (*)()>(UnitRoutineByCode(unitType, code)));
}

class TestForm {
  public:
    TestForm();
    ~TestForm();
    TestForm(const TestForm&) = delete;
    TestForm& operator=(const TestForm&) = delete;

    // Creates every component on the calling thread and shows them; false when a unit refused. A
    // component listed in `blocks` is made from that unit property block instead of its template's.
    bool Load(const std::map<uint32_t, std::vector<uint8_t>>& blocks = {});
    RuntimeRecord& Runtime();

    ComponentObject* Object(uint32_t componentId) const;
    HWND Window(uint32_t componentId) const;

    // Unit property access, by the unit's own numbers, as the runtime's property services do it.
    int32_t Write(uint32_t componentId, int32_t property, int32_t value) const;
    int32_t WriteText(uint32_t componentId, int32_t property, const char* text) const;
    int32_t WriteBytes(uint32_t componentId, int32_t property, std::span<const uint8_t> bytes) const;
    int32_t ReadInteger(uint32_t componentId, int32_t property) const;
    std::string ReadText(uint32_t componentId, int32_t property) const;
    // Any property as bytes: an integer as its 4 bytes, a text or byte string as its contents.
    std::vector<uint8_t> ReadRaw(uint32_t componentId, int32_t property) const;

    uint32_t UnitTypeOf(uint32_t componentId) const;
    // The unit property block the component was made from, and the one it writes out now.
    const std::vector<uint8_t>& LoadedBlock(uint32_t componentId) const;
    std::vector<uint8_t> WrittenBlock(uint32_t componentId) const;
    std::vector<uint32_t> ComponentIds() const;

  private:
    std::vector<uint8_t> data_;
    std::vector<std::pair<uint32_t, ComponentObject*>> objects_;
    std::vector<std::pair<uint32_t, uint32_t>> unitTypes_;
    std::map<uint32_t, std::vector<uint8_t>> loadedBlocks_;
};

}  // namespace velmora::test
