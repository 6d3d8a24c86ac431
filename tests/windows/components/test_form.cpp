#include "tests/windows/components/test_form.h"

#include <gtest/gtest.h>

#include <cstring>

#include "components/core_units.h"
#include "components/runtime_link.h"
#include "runtime/forms/compiled_form.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/template_reader.h"

namespace velmora {

extern const CompiledForm kComponentsTestForm;

namespace test {
namespace {

RuntimeRecord runtimeRecord;
const TestForm* loadedForm = nullptr;

int32_t StandInService(int32_t code, uint32_t first, uint32_t second) {
    switch (code) {
        case 2000:
            runtimeRecord.destroyed.push_back(second);
            return 0;
        case 2007:
            if (loadedForm != nullptr && first == kTestWindowId) {
                return static_cast<int32_t>(reinterpret_cast<uintptr_t>(loadedForm->Object(second)));
            }
            return 0;
        case 2008: {
            auto* record = reinterpret_cast<EventRecord*>(static_cast<uintptr_t>(first));
            runtimeRecord.events.push_back(
                {record->componentId, record->event,
                 std::vector<uint32_t>(record->arguments, record->arguments + record->argumentCount)});
            if (runtimeRecord.refused.count(record->event) != 0) {
                record->hasResult = 1;
                record->result = 0;
            }
            return 1;
        }
        case 2024:
            return static_cast<int32_t>(reinterpret_cast<uintptr_t>(HeapAlloc(GetProcessHeap(), 0, first)));
        case 2025:
            HeapFree(GetProcessHeap(), 0, reinterpret_cast<void*>(static_cast<uintptr_t>(first)));
            return 0;
        default:
            return 0;
    }
}

}  // namespace

UnitRoutine UnitRoutineByCode(uint32_t unitType, int32_t code) {
    // A unit type names its unit by number in the low 16 bits.
    return CoreLibraryUnits()[(unitType & 0xFFFF) - 1].interfaceRoutine(code);
}

int RuntimeRecord::Count(uint32_t componentId, int32_t event) const {
    int count = 0;
    for (const RaisedEvent& raised : events) {
        count += raised.componentId == componentId && raised.event == event ? 1 : 0;
    }
    return count;
}

TestForm::TestForm() {
    runtimeRecord = {};
    NotifyComponents(kNotifyStartup, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&StandInService)), 0);
}

TestForm::~TestForm() {
    if (const HWND window = Window(kWindowRecord); window != nullptr && IsWindow(window)) {
        DestroyWindow(window);
    }
    loadedForm = nullptr;
    NotifyComponents(kNotifyProgramEnds, 0, 0);
}

bool TestForm::Load(const std::map<uint32_t, std::vector<uint8_t>>& blocks) {
    if (!LinkCompiledForm(kComponentsTestForm, 0, data_)) {
        ADD_FAILURE() << "the test form does not link";
        return false;
    }
    std::optional<TemplateCollection> templates = ReadTemplateData(data_, 0);
    if (!templates || templates->WindowCount() != 1) {
        ADD_FAILURE() << "the test form's template data does not read";
        return false;
    }
    loadedForm = this;
    const WindowTemplate& form = templates->Window(0);
    HWND formWindow = nullptr;
    for (uint32_t index = 0; index < form.ComponentCount(); ++index) {
        const ComponentRecord& record = form.Record(index);
        const uint32_t componentId = index == 0 ? kWindowRecord : form.ComponentIds()[index];
        UnitCreateArgs args;
        const auto replaced = blocks.find(componentId);
        const std::span<const uint8_t> properties =
            replaced != blocks.end() ? std::span<const uint8_t>(replaced->second) : record.UnitProperties();
        loadedBlocks_[componentId].assign(properties.begin(), properties.end());
        args.properties = properties.data();
        args.propertiesSize = static_cast<uint32_t>(properties.size());
        args.left = record.Left();
        args.top = record.Top();
        args.width = record.Width();
        args.height = record.Height();
        args.style = ((record.StateFlags() & kStateDisabled) != 0 ? WS_DISABLED : 0) |
                     ((record.StateFlags() & kStateFocusable) != 0 ? WS_TABSTOP : 0);
        args.visible = (record.StateFlags() & kStateVisible) != 0;
        args.windowId = kTestWindowId;
        args.componentId = componentId;
        args.parent = formWindow;
        const auto create = UnitRoutineOf<UnitCreateRoutine>(record.UnitType(), kUnitCreate);
        ComponentObject* object = create(args);
        if (object == nullptr || !IsWindow(object->window)) {
            ADD_FAILURE() << "the unit of component " << std::hex << componentId << " created nothing";
            return false;
        }
        objects_.emplace_back(componentId, object);
        unitTypes_.emplace_back(componentId, record.UnitType());
        if (index == 0) {
            formWindow = object->window;
        } else if (args.visible && record.UnitType() != kUnitCommonDialog) {
            ShowWindow(object->window, SW_SHOWNA);
        }
    }
    ShowWindow(formWindow, SW_SHOW);
    return true;
}

RuntimeRecord& TestForm::Runtime() {
    return runtimeRecord;
}

ComponentObject* TestForm::Object(uint32_t componentId) const {
    for (const auto& [id, object] : objects_) {
        if (id == componentId) {
            return object;
        }
    }
    return nullptr;
}

HWND TestForm::Window(uint32_t componentId) const {
    const ComponentObject* object = Object(componentId);
    return object == nullptr ? nullptr : object->window;
}

uint32_t TestForm::UnitTypeOf(uint32_t componentId) const {
    for (const auto& [id, unitType] : unitTypes_) {
        if (id == componentId) {
            return unitType;
        }
    }
    return 0;
}

int32_t TestForm::Write(uint32_t componentId, int32_t property, int32_t value) const {
    const auto write = UnitRoutineOf<UnitWritePropertyRoutine>(UnitTypeOf(componentId), kUnitWriteProperty);
    return write(Object(componentId), property, &value, 0);
}

int32_t TestForm::WriteText(uint32_t componentId, int32_t property, const char* text) const {
    const auto write = UnitRoutineOf<UnitWritePropertyRoutine>(UnitTypeOf(componentId), kUnitWriteProperty);
    return write(Object(componentId), property, &text, 0);
}

int32_t TestForm::WriteBytes(uint32_t componentId, int32_t property, std::span<const uint8_t> bytes) const {
    const auto write = UnitRoutineOf<UnitWritePropertyRoutine>(UnitTypeOf(componentId), kUnitWriteProperty);
    const uint32_t pair[2] = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(bytes.data())),
                              static_cast<uint32_t>(bytes.size())};
    return write(Object(componentId), property, pair, 0);
}

int32_t TestForm::ReadInteger(uint32_t componentId, int32_t property) const {
    const auto read = UnitRoutineOf<UnitReadPropertyRoutine>(UnitTypeOf(componentId), kUnitReadProperty);
    uint32_t buffer[2] = {};
    read(Object(componentId), property, buffer);
    return static_cast<int32_t>(buffer[0]);
}

std::string TestForm::ReadText(uint32_t componentId, int32_t property) const {
    const auto read = UnitRoutineOf<UnitReadPropertyRoutine>(UnitTypeOf(componentId), kUnitReadProperty);
    uint32_t buffer[2] = {};
    read(Object(componentId), property, buffer);
    const auto* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(buffer[0]));
    return text == nullptr ? std::string() : std::string(text, buffer[1]);
}

std::vector<uint8_t> TestForm::ReadRaw(uint32_t componentId, int32_t property) const {
    const auto read = UnitRoutineOf<UnitReadPropertyRoutine>(UnitTypeOf(componentId), kUnitReadProperty);
    uint32_t buffer[2] = {};
    read(Object(componentId), property, buffer);
    const uint16_t kind = UnitOwnProperties(UnitTypeOf(componentId))[static_cast<size_t>(property)].kind;
    if (kind == kKindText || kind == kKindBytes || kind == kKindFont) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(buffer[0]));
        return bytes == nullptr ? std::vector<uint8_t>() : std::vector<uint8_t>(bytes, bytes + buffer[1]);
    }
    const auto* value = reinterpret_cast<const uint8_t*>(buffer);
    return std::vector<uint8_t>(value, value + 4);
}

const std::vector<uint8_t>& TestForm::LoadedBlock(uint32_t componentId) const {
    return loadedBlocks_.at(componentId);
}

std::vector<uint8_t> TestForm::WrittenBlock(uint32_t componentId) const {
    const auto write = UnitRoutineOf<UnitWriteTemplateRoutine>(UnitTypeOf(componentId), kUnitWriteTemplate);
    UnitBytes block = {};
    if (write(Object(componentId), &block) != 1 || block.data == nullptr) {
        ADD_FAILURE() << "component " << std::hex << componentId << " wrote no template data";
        return {};
    }
    const auto* bytes = static_cast<const uint8_t*>(block.data);
    std::vector<uint8_t> copy(bytes, bytes + block.length);
    StandInService(2025, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block.data)), 0);
    return copy;
}

std::vector<uint32_t> TestForm::ComponentIds() const {
    std::vector<uint32_t> ids;
    for (const auto& [id, object] : objects_) {
        ids.push_back(id);
    }
    return ids;
}

}  // namespace test
}  // namespace velmora
