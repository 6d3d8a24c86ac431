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

}  // namespace

std::vector<uint8_t> WriteWindowUnitProperties(const WindowUnitProperties& properties) {
    ByteWriter writer;
    WriteLead(writer);
    writer.Word(properties.version);
    writer.Signed(properties.borderStyle);
    writer.Word(properties.setting1);
    writer.Word(properties.backgroundColour);
    writer.Signed(properties.maximiseBox);
    writer.Signed(properties.minimiseBox);
    writer.Signed(properties.controlBox);
    writer.Signed(properties.position);
    writer.Signed(properties.movable);
    for (const uint32_t setting : properties.settings2) {
        writer.Word(setting);
    }
    if (properties.version >= 2) {
        writer.Signed(properties.noHiddenOwner);
    }
    if (properties.version >= 3) {
        for (const uint32_t setting : properties.settings3) {
            writer.Word(setting);
        }
    }
    if (properties.version >= 4) {
        writer.Signed(properties.alwaysOnTop);
    }
    if (properties.version >= 5) {
        writer.Word(properties.setting5);
    }
    if (properties.version >= 6) {
        writer.Text(properties.className);
    }
    for (const std::vector<uint8_t>& bytes : properties.byteStrings) {
        writer.Block(bytes);
    }
    writer.Text(properties.caption);
    writer.Text(properties.lastText);
    return std::move(writer.Result());
}

std::optional<WindowUnitProperties> ReadWindowUnitProperties(std::span<const uint8_t> block) {
    ByteReader reader(block);
    WindowUnitProperties properties;
    if (!reader.Skip(kUnitPropertyLeadSize) || !reader.ReadWord(properties.version) ||
        properties.version > kWindowUnitVersion) {
        return std::nullopt;
    }
    bool ok = reader.ReadSigned(properties.borderStyle) && reader.ReadWord(properties.setting1) &&
              reader.ReadWord(properties.backgroundColour) && reader.ReadSigned(properties.maximiseBox) &&
              reader.ReadSigned(properties.minimiseBox) && reader.ReadSigned(properties.controlBox) &&
              reader.ReadSigned(properties.position) && reader.ReadSigned(properties.movable);
    for (uint32_t& setting : properties.settings2) {
        ok = ok && reader.ReadWord(setting);
    }
    if (properties.version >= 2) {
        ok = ok && reader.ReadSigned(properties.noHiddenOwner);
    }
    if (properties.version >= 3) {
        for (uint32_t& setting : properties.settings3) {
            ok = ok && reader.ReadWord(setting);
        }
    }
    if (properties.version >= 4) {
        ok = ok && reader.ReadSigned(properties.alwaysOnTop);
    }
    if (properties.version >= 5) {
        ok = ok && reader.ReadWord(properties.setting5);
    }
    if (properties.version >= 6) {
        ok = ok && ReadTextField(reader, properties.className);
    }
    for (std::vector<uint8_t>& bytes : properties.byteStrings) {
        ok = ok && ReadBytesField(reader, bytes);
    }
    ok = ok && ReadTextField(reader, properties.caption) && ReadTextField(reader, properties.lastText);
    if (!ok) {
        return std::nullopt;
    }
    return properties;
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
