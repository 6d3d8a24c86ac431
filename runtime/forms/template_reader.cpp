#include "runtime/forms/template_reader.h"

#include <algorithm>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

bool ReadText(ByteReader& reader, std::string& text) {
    std::span<const uint8_t> bytes;
    if (!reader.ReadBlock(bytes)) {
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool HasDuplicates(std::vector<uint32_t> ids) {
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) != ids.end();
}

// Every id must name a component, and every one after the window's own a distinct non-zero number, so
// that a lookup by id finds exactly one record.
bool ValidComponentIds(const std::vector<uint32_t>& ids) {
    if (ids.empty() || !IsComponentId(ids[0])) {
        return false;
    }
    for (size_t index = 1; index < ids.size(); ++index) {
        if (!IsComponentId(ids[index]) || IdNumber(ids[index]) == 0) {
            return false;
        }
    }
    return !HasDuplicates(ids);
}

std::optional<WindowTemplate> ReadWindow(ByteReader& reader, uint32_t windowId, uint32_t codeBase) {
    uint32_t firstWord = 0;
    uint32_t secondWord = 0;
    std::string firstText;
    std::string secondText;
    uint32_t count = 0;
    std::span<const uint8_t> block;
    if (!reader.ReadWord(firstWord) || !reader.ReadWord(secondWord) || !ReadText(reader, firstText) ||
        !ReadText(reader, secondText) || !reader.ReadWord(count) || !reader.ReadBlock(block)) {
        return std::nullopt;
    }
    if (count == 0 || count > block.size() / 8) {
        return std::nullopt;
    }
    ByteReader blockReader(block);
    std::vector<uint32_t> ids(count);
    std::vector<uint32_t> offsets(count);
    for (uint32_t& id : ids) {
        blockReader.ReadWord(id);
    }
    for (uint32_t& offset : offsets) {
        blockReader.ReadWord(offset);
    }
    if (!ValidComponentIds(ids)) {
        return std::nullopt;
    }
    const std::span<const uint8_t> area = block.subspan(blockReader.Position());
    std::vector<ComponentRecord> records;
    records.reserve(count);
    for (uint32_t index = 0; index < count; ++index) {
        if (offsets[index] > area.size()) {
            return std::nullopt;
        }
        ByteReader recordReader(area.subspan(offsets[index]));
        std::span<const uint8_t> data;
        if (!recordReader.ReadBlock(data)) {
            return std::nullopt;
        }
        std::optional<ComponentRecord> record = ComponentRecord::Parse(data);
        if (!record || (index == 0 && record->IsMenuItem())) {
            return std::nullopt;
        }
        record->RelocateRoutines(codeBase);
        records.push_back(std::move(*record));
    }
    return WindowTemplate(windowId, firstWord, secondWord, std::move(firstText), std::move(secondText), std::move(ids),
                          std::move(records));
}

std::optional<TemplateCollection> Read(std::span<const uint8_t> data, uint32_t codeBase) {
    ByteReader reader(data);
    uint32_t mapLength = 0;
    if (!reader.ReadWord(mapLength) || mapLength % 8 != 0 || mapLength > reader.Remaining()) {
        return std::nullopt;
    }
    std::vector<uint32_t> windowIds(mapLength / 8);
    for (uint32_t& id : windowIds) {
        reader.ReadWord(id);
        if (!IsWindowId(id)) {
            return std::nullopt;
        }
    }
    if (HasDuplicates(windowIds) || !reader.Skip(mapLength / 2)) {
        return std::nullopt;
    }
    std::vector<WindowTemplate> templates;
    templates.reserve(windowIds.size());
    for (const uint32_t id : windowIds) {
        std::optional<WindowTemplate> window = ReadWindow(reader, id, codeBase);
        if (!window) {
            return std::nullopt;
        }
        templates.push_back(std::move(*window));
    }
    if (reader.Remaining() != 0) {
        return std::nullopt;
    }
    return TemplateCollection(std::move(windowIds), std::move(templates));
}

}  // namespace

std::optional<TemplateCollection> ReadTemplateData(std::span<const uint8_t> data, uint32_t codeBase) noexcept {
    try {
        return Read(data, codeBase);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace velmora
