#include "runtime/forms/unit_properties.h"

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/byte_writer.h"

namespace velmora {
namespace {

void WriteLead(ByteWriter& writer) {
    writer.Bytes(std::vector<uint8_t>(kUnitPropertyLeadSize, 0));
}

bool ReadTextField(ByteReader& reader, std::string& text) {
    std::span<const uint8_t> bytes;
    if (!reader.ReadBlock(bytes)) {
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool ReadBytesField(ByteReader& reader, std::vector<uint8_t>& bytes) {
    std::span<const uint8_t> block;
    if (!reader.ReadBlock(block)) {
        return false;
    }
    bytes.assign(block.begin(), block.end());
    return true;
}

// The integer fields of the block in their order, as far as the version has them; the same list
// serves reading (mutable) and writing (const).
template <typename Properties>
auto IntegerFieldsInOrder(Properties& properties) {
    std::vector<decltype(&properties.borderStyle)> fields = {
        &properties.borderStyle, &properties.pictureLayout, &properties.backgroundColour,
        &properties.maximiseBox, &properties.minimiseBox,   &properties.controlBox,
        &properties.position,    &properties.movable,       &properties.resourceMode,
    };
    for (auto& setting : properties.settings13To17) {
        fields.push_back(&setting);
    }
    const uint32_t version = properties.version;
    if (version >= 2) {
        fields.push_back(&properties.noHiddenOwner);
    }
    if (version >= 3) {
        fields.push_back(&properties.setting19);
        fields.push_back(&properties.mousePointer);
    }
    if (version >= 4) {
        fields.push_back(&properties.alwaysOnTop);
    }
    if (version >= 5) {
        fields.push_back(&properties.setting22);
    }
    return fields;
}

}  // namespace

std::vector<uint8_t> WriteWindowUnitProperties(const WindowUnitProperties& properties) {
    ByteWriter writer;
    WriteLead(writer);
    writer.Word(properties.version);
    for (const int32_t* field : IntegerFieldsInOrder(properties)) {
        writer.Signed(*field);
    }
    if (properties.version >= 6) {
        writer.Text(properties.className);
    }
    for (const std::vector<uint8_t>& bytes : properties.byteStrings) {
        writer.Block(bytes);
    }
    writer.Text(properties.caption);
    writer.Text(properties.textSetting);
    return std::move(writer.Result());
}

std::optional<WindowUnitProperties> ReadWindowUnitProperties(std::span<const uint8_t> block) {
    ByteReader reader(block);
    WindowUnitProperties properties;
    if (!reader.Skip(kUnitPropertyLeadSize) || !reader.ReadWord(properties.version) ||
        properties.version > kWindowUnitVersion) {
        return std::nullopt;
    }
    bool ok = true;
    for (int32_t* field : IntegerFieldsInOrder(properties)) {
        ok = ok && reader.ReadSigned(*field);
    }
    if (properties.version >= 6) {
        ok = ok && ReadTextField(reader, properties.className);
    }
    for (std::vector<uint8_t>& bytes : properties.byteStrings) {
        ok = ok && ReadBytesField(reader, bytes);
    }
    ok = ok && ReadTextField(reader, properties.caption) && ReadTextField(reader, properties.textSetting);
    if (!ok) {
        return std::nullopt;
    }
    return properties;
}

int32_t* WindowIntegerField(WindowUnitProperties& properties, uint32_t number) noexcept {
    switch (number) {
        case 1:
            return &properties.borderStyle;
        case 2:
            return &properties.backgroundColour;
        case 4:
            return &properties.pictureLayout;
        case 6:
            return &properties.resourceMode;
        case 7:
            return &properties.controlBox;
        case 8:
            return &properties.maximiseBox;
        case 9:
            return &properties.minimiseBox;
        case 10:
            return &properties.position;
        case 11:
            return &properties.movable;
        case 13:
        case 14:
        case 15:
            return &properties.settings13To17[number - 13];
        case 17:
            return &properties.settings13To17[3];
        case 18:
            return &properties.noHiddenOwner;
        case 19:
            return &properties.setting19;
        case 20:
            return &properties.mousePointer;
        case 21:
            return &properties.alwaysOnTop;
        case 22:
            return &properties.setting22;
        default:
            return nullptr;
    }
}

std::string* WindowTextField(WindowUnitProperties& properties, uint32_t number) noexcept {
    switch (number) {
        case 0:
            return &properties.caption;
        case 16:
            return &properties.textSetting;
        case 23:
            return &properties.className;
        default:
            return nullptr;
    }
}

std::vector<uint8_t>* WindowBytesField(WindowUnitProperties& properties, uint32_t number) noexcept {
    switch (number) {
        case 3:
            return &properties.byteStrings[0];
        case 5:
            return &properties.byteStrings[1];
        case 12:
            return &properties.byteStrings[2];
        default:
            return nullptr;
    }
}

std::vector<uint8_t> WritePropertyList(const std::vector<UnitPropertyEntry>& entries) {
    ByteWriter writer;
    WriteLead(writer);
    writer.Word(kPropertyListVersion);
    writer.Word(static_cast<uint32_t>(entries.size()));
    for (const UnitPropertyEntry& entry : entries) {
        writer.Word(entry.number);
        writer.Block(entry.value);
    }
    return std::move(writer.Result());
}

std::vector<uint8_t> IntegerValue(int32_t value) {
    ByteWriter writer;
    writer.Signed(value);
    return std::move(writer.Result());
}

std::vector<uint8_t> TextValue(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::optional<PropertyList> PropertyList::Parse(std::span<const uint8_t> block) noexcept {
    ByteReader reader(block);
    uint32_t version = 0;
    uint32_t count = 0;
    if (!reader.Skip(kUnitPropertyLeadSize) || !reader.ReadWord(version) || version != kPropertyListVersion ||
        !reader.ReadWord(count)) {
        return std::nullopt;
    }
    const std::span<const uint8_t> entries = block.subspan(reader.Position());
    uint32_t previous = 0;
    for (uint32_t index = 0; index < count; ++index) {
        uint32_t number = 0;
        std::span<const uint8_t> value;
        if (!reader.ReadWord(number) || !reader.ReadBlock(value) || (index > 0 && number <= previous)) {
            return std::nullopt;
        }
        previous = number;
    }
    if (reader.Remaining() != 0) {
        return std::nullopt;
    }
    return PropertyList(entries, count);
}

std::optional<std::span<const uint8_t>> PropertyList::Find(uint32_t number) const noexcept {
    ByteReader reader(entries_);
    for (uint32_t index = 0; index < count_; ++index) {
        uint32_t entryNumber = 0;
        std::span<const uint8_t> value;
        reader.ReadWord(entryNumber);
        reader.ReadBlock(value);
        if (entryNumber == number) {
            return value;
        }
    }
    return std::nullopt;
}

std::vector<UnitPropertyEntry> PropertyList::Entries() const {
    std::vector<UnitPropertyEntry> entries;
    entries.reserve(count_);
    ByteReader reader(entries_);
    for (uint32_t index = 0; index < count_; ++index) {
        UnitPropertyEntry entry;
        std::span<const uint8_t> value;
        reader.ReadWord(entry.number);
        reader.ReadBlock(value);
        entry.value.assign(value.begin(), value.end());
        entries.push_back(std::move(entry));
    }
    return entries;
}

int32_t PropertyList::Integer(uint32_t number, int32_t fallback) const noexcept {
    const std::optional<std::span<const uint8_t>> value = Find(number);
    if (!value || value->size() != 4) {
        return fallback;
    }
    return static_cast<int32_t>(LoadWord(value->data()));
}

std::string_view PropertyList::Text(uint32_t number) const noexcept {
    const std::optional<std::span<const uint8_t>> value = Find(number);
    if (!value) {
        return {};
    }
    return std::string_view(reinterpret_cast<const char*>(value->data()), value->size());
}

}  // namespace velmora
