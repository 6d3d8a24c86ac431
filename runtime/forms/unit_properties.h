// Layouts of the unit property block at the end of a component record. Every block starts with a
// 20-byte lead of zeros; texts and byte strings inside are a 32-bit length followed by the bytes.
//
// The window unit's block: the lead, a version (at most 6), then its fields in WindowUnitProperties order, the later
// ones only from the version that introduced them.
//
// Every other unit's block: the lead, a 32-bit layout version (kPropertyListVersion), a 32-bit entry
// count, then per entry its unit property number, a 32-bit value length and the value. Numbers rise
// strictly. An integer or boolean is 4 bytes (signed, little-endian); a text is its bytes without
// terminator; a byte string is its bytes. A property without an entry keeps the unit's own default.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

constexpr uint32_t kUnitPropertyLeadSize = 20;
constexpr uint32_t kWindowUnitVersion = 6;
constexpr uint32_t kPropertyListVersion = 1;

// The window unit's fields in block order. Integer fields are the window properties of the same
// meaning; the unnamed settings keep the window's properties 6, 13 to 15, 17, 19 and 22 in the order
// of their numbers, and the last text keeps property 16.
struct WindowUnitProperties {
    uint32_t version = kWindowUnitVersion;
    int32_t borderStyle = 0;
    int32_t pictureLayout = 0;
    int32_t backgroundColour = 0;
    int32_t maximiseBox = 0;
    int32_t minimiseBox = 0;
    int32_t controlBox = 0;
    int32_t position = 0;
    int32_t movable = 0;
    int32_t resourceMode = 0;
    std::array<int32_t, 4> settings13To17 = {};       // properties 13, 14, 15 and 17
    int32_t noHiddenOwner = 0;                        // version 2 on
    int32_t setting19 = 0;                            // version 3 on
    int32_t mousePointer = 0;                         // version 3 on
    int32_t alwaysOnTop = 0;                          // version 4 on
    int32_t setting22 = 0;                            // version 5 on
    std::string className;                            // version 6
    std::array<std::vector<uint8_t>, 3> byteStrings;  // properties 3, 5 and 12
    std::string caption;
    std::string textSetting;
};

// The field of a window property by its number: an integer field for 1, 2, 4 and 6 to 22 except 12
// and 16, a text field for 0, 16 and 23, a byte-string field for 3, 5 and 12; null otherwise.
int32_t* WindowIntegerField(WindowUnitProperties& properties, uint32_t number) noexcept;
std::string* WindowTextField(WindowUnitProperties& properties, uint32_t number) noexcept;
std::vector<uint8_t>* WindowBytesField(WindowUnitProperties& properties, uint32_t number) noexcept;

std::vector<uint8_t> WriteWindowUnitProperties(const WindowUnitProperties& properties);
// nullopt for a truncated block or a version above 6. Throws std::bad_alloc only.
std::optional<WindowUnitProperties> ReadWindowUnitProperties(std::span<const uint8_t> block);

struct UnitPropertyEntry {
    uint32_t number = 0;
    std::vector<uint8_t> value;
};

// Entries must be sorted by number without duplicates.
std::vector<uint8_t> WritePropertyList(const std::vector<UnitPropertyEntry>& entries);
std::vector<uint8_t> IntegerValue(int32_t value);
std::vector<uint8_t> TextValue(std::string_view text);

// A checked view of a property list block; it borrows the block's bytes.
class PropertyList {
  public:
    // nullopt when the block is not a well-formed property list.
    static std::optional<PropertyList> Parse(std::span<const uint8_t> block) noexcept;

    uint32_t Count() const noexcept { return count_; }
    // The value of a property, or nullopt when the block has no entry for it.
    std::optional<std::span<const uint8_t>> Find(uint32_t number) const noexcept;
    // The default also when the entry is not 4 bytes long.
    int32_t Integer(uint32_t number, int32_t fallback) const noexcept;
    std::string_view Text(uint32_t number) const noexcept;
    // Copies of every entry, in the block's order. Throws std::bad_alloc only.
    std::vector<UnitPropertyEntry> Entries() const;

  private:
    PropertyList(std::span<const uint8_t> entries, uint32_t count) noexcept : entries_(entries), count_(count) {}
    std::span<const uint8_t> entries_;
    uint32_t count_;
};

}  // namespace velmora
