// The component kinds a form source may use, with the names and value kinds of their unit properties.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

enum class ValueKind { kInteger, kText, kBytes };

struct PropertyName {
    std::string_view name;  // empty for a property that is addressed by number only
    uint32_t number;
    ValueKind kind;
};

struct UnitKind {
    std::string_view keyword;
    uint32_t unitType;
    std::span<const PropertyName> properties;
};

// Null for an unknown keyword.
const UnitKind* FindUnitKind(std::string_view keyword);
// By name, or by number when `name` is a decimal number; null when the unit has no such property.
const PropertyName* FindProperty(const UnitKind& unit, std::string_view name);

}  // namespace velmora
