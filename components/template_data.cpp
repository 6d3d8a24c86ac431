#include "components/template_data.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <span>

#include "components/component.h"
#include "components/core_units.h"
#include "components/runtime_link.h"
#include "runtime/forms/unit_properties.h"

namespace velmora {
namespace {

bool IsBlockKind(uint16_t kind) noexcept {
    return kind == kKindText || kind == kKindBytes || kind == kKindFont;
}

}  // namespace

std::span<const uint8_t> BlockBytes(UnitBytes block) noexcept {
    if (block.data == nullptr || block.length <= 0) {
        return {};
    }
    return {static_cast<const uint8_t*>(block.data), static_cast<size_t>(block.length)};
}

bool HandOverBlock(const std::vector<uint8_t>& block, UnitBytes& result) noexcept {
    constexpr uint32_t kNullOnFailure = 1;
    void* memory = reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(
        CallComponentService(kServiceAllocate, static_cast<uint32_t>(block.size()), kNullOnFailure))));
    if (memory == nullptr) {
        return false;
    }
    std::memcpy(memory, block.data(), block.size());
    result = {memory, static_cast<int32_t>(block.size())};
    return true;
}

std::vector<uint8_t> CurrentPropertyList(Component& component) {
    const std::span<const UnitProperty> properties = UnitOwnProperties(component.unitType);
    std::vector<UnitPropertyEntry> entries;
    entries.reserve(properties.size());
    for (size_t number = 0; number < properties.size(); ++number) {
        uint32_t buffer[2] = {};
        component.ReadProperty(static_cast<int32_t>(number), buffer);
        UnitPropertyEntry entry{static_cast<uint32_t>(number), {}};
        if (IsBlockKind(properties[number].kind)) {
            const auto* bytes = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(buffer[0]));
            if (bytes != nullptr) {
                entry.value.assign(bytes, bytes + buffer[1]);
            }
        } else {
            entry.value = IntegerValue(static_cast<int32_t>(buffer[0]));
        }
        entries.push_back(std::move(entry));
    }
    return WritePropertyList(entries);
}

std::string PassText(UnitTextCallback callback, void* context, std::string_view text) {
    const UnitBytes replacement = callback(context, {text.data(), static_cast<int32_t>(text.size())});
    if (replacement.data == nullptr) {
        return std::string(text);
    }
    return std::string(static_cast<const char*>(replacement.data),
                       static_cast<size_t>(std::max(replacement.length, 0)));
}

int32_t PassPropertyListTexts(uint32_t unitType,
                              UnitBytes block,
                              UnitTextCallback callback,
                              void* context,
                              UnitBytes* result) noexcept {
    const std::optional<PropertyList> list = PropertyList::Parse(BlockBytes(block));
    if (!list || callback == nullptr || result == nullptr) {
        return 0;
    }
    const std::span<const UnitProperty> properties = UnitOwnProperties(unitType);
    try {
        std::vector<UnitPropertyEntry> entries = list->Entries();
        for (UnitPropertyEntry& entry : entries) {
            if (entry.number < properties.size() && properties[entry.number].kind == kKindText) {
                const std::string text =
                    PassText(callback, context,
                             std::string_view(reinterpret_cast<const char*>(entry.value.data()), entry.value.size()));
                entry.value.assign(text.begin(), text.end());
            }
        }
        return HandOverBlock(WritePropertyList(entries), *result) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

}  // namespace velmora
