#include "runtime/forms/component_record.h"

#include <cstring>
#include <new>
#include <utility>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/byte_writer.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

constexpr size_t kNameOffset = 24;
constexpr size_t kMenuWordsSize = 12;

std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace

std::optional<ComponentRecord> ComponentRecord::Parse(std::span<const uint8_t> data) {
    ComponentRecord record(std::vector<uint8_t>(data.begin(), data.end()));
    if (!record.Layout()) {
        return std::nullopt;
    }
    return record;
}

bool ComponentRecord::Layout() noexcept {
    ByteReader reader(data_);
    std::string_view text;
    uint32_t unitType = 0;
    if (!reader.ReadWord(unitType) || !reader.Skip(kNameOffset - 4) || !reader.ReadZeroTerminated(text)) {
        return false;
    }
    secondText_ = reader.Position();
    if (!reader.ReadZeroTerminated(text)) {
        return false;
    }
    fixed_ = reader.Position();
    menuItem_ = unitType == kUnitMenuItem;
    if (menuItem_) {
        if (!reader.Skip(kMenuWordsSize)) {
            return false;
        }
        caption_ = reader.Position();
        if (!reader.ReadZeroTerminated(text)) {
            return false;
        }
        routine_ = reader.Position();
        return reader.Skip(4);
    }
    uint32_t containedCount = 0;
    if (!reader.Skip(28) || !reader.ReadWord(containedCount) || containedCount > reader.Remaining() / 4 ||
        !reader.Skip(containedCount * size_t{4})) {
        return false;
    }
    pointer_ = reader.Position();
    std::span<const uint8_t> pointer;
    if (!reader.ReadBlock(pointer)) {
        return false;
    }
    tag_ = reader.Position();
    if (!reader.ReadZeroTerminated(text) || !reader.Skip(4)) {
        return false;
    }
    flags_ = reader.Position();
    uint32_t bindingCount = 0;
    if (!reader.Skip(8)) {
        return false;
    }
    bindings_ = reader.Position();
    if (!reader.ReadWord(bindingCount) || bindingCount > reader.Remaining() / 8 ||
        !reader.Skip(bindingCount * size_t{8})) {
        return false;
    }
    unit_ = reader.Position();
    return true;
}

uint32_t ComponentRecord::WordAt(size_t offset) const noexcept {
    if (offset > data_.size() || data_.size() - offset < 4) {
        return 0;
    }
    return LoadWord(data_.data() + offset);
}

void ComponentRecord::SetWordAt(size_t offset, uint32_t value) noexcept {
    if (offset <= data_.size() && data_.size() - offset >= 4) {
        StoreWord(data_.data() + offset, value);
    }
}

uint32_t ComponentRecord::UnitType() const noexcept {
    return WordAt(0);
}

uint32_t ComponentRecord::EventSource() const noexcept {
    return WordAt(4);
}

const char* ComponentRecord::Name() const noexcept {
    return reinterpret_cast<const char*>(data_.data() + kNameOffset);
}

const char* ComponentRecord::SecondText() const noexcept {
    return reinterpret_cast<const char*>(data_.data() + secondText_);
}

uint32_t ComponentRecord::ObjectSlot() const noexcept {
    return menuItem_ ? 0 : WordAt(fixed_);
}

void ComponentRecord::SetObjectSlot(uint32_t object) noexcept {
    if (!menuItem_) {
        SetWordAt(fixed_, object);
    }
}

int32_t ComponentRecord::Left() const noexcept {
    return menuItem_ ? 0 : static_cast<int32_t>(WordAt(fixed_ + 4));
}

int32_t ComponentRecord::Top() const noexcept {
    return menuItem_ ? 0 : static_cast<int32_t>(WordAt(fixed_ + 8));
}

int32_t ComponentRecord::Width() const noexcept {
    return menuItem_ ? 0 : static_cast<int32_t>(WordAt(fixed_ + 12));
}

int32_t ComponentRecord::Height() const noexcept {
    return menuItem_ ? 0 : static_cast<int32_t>(WordAt(fixed_ + 16));
}

void ComponentRecord::SetLeft(int32_t left) noexcept {
    if (!menuItem_) {
        SetWordAt(fixed_ + 4, static_cast<uint32_t>(left));
    }
}

void ComponentRecord::SetTop(int32_t top) noexcept {
    if (!menuItem_) {
        SetWordAt(fixed_ + 8, static_cast<uint32_t>(top));
    }
}

void ComponentRecord::SetWidth(int32_t width) noexcept {
    if (!menuItem_) {
        SetWordAt(fixed_ + 12, static_cast<uint32_t>(width));
    }
}

void ComponentRecord::SetHeight(int32_t height) noexcept {
    if (!menuItem_) {
        SetWordAt(fixed_ + 16, static_cast<uint32_t>(height));
    }
}

uint32_t ComponentRecord::CursorSlot() const noexcept {
    return menuItem_ ? 0 : WordAt(fixed_ + 20);
}

void ComponentRecord::SetCursorSlot(uint32_t cursor) noexcept {
    if (!menuItem_) {
        SetWordAt(fixed_ + 20, cursor);
    }
}

uint32_t ComponentRecord::Container() const noexcept {
    return menuItem_ ? 0 : WordAt(fixed_ + 24);
}

uint32_t ComponentRecord::ContainedCount() const noexcept {
    return menuItem_ ? 0 : WordAt(fixed_ + 28);
}

uint32_t ComponentRecord::ContainedId(uint32_t index) const noexcept {
    return index < ContainedCount() ? WordAt(fixed_ + 32 + index * size_t{4}) : 0;
}

std::span<const uint8_t> ComponentRecord::MousePointer() const noexcept {
    if (menuItem_) {
        return {};
    }
    return std::span<const uint8_t>(data_).subspan(pointer_ + 4, WordAt(pointer_));
}

const char* ComponentRecord::Tag() const noexcept {
    return menuItem_ ? "" : reinterpret_cast<const char*>(data_.data() + tag_);
}

uint32_t ComponentRecord::StateFlags() const noexcept {
    return menuItem_ ? 0 : WordAt(flags_);
}

void ComponentRecord::SetStateFlags(uint32_t flags) noexcept {
    if (!menuItem_) {
        SetWordAt(flags_, flags);
    }
}

uint32_t ComponentRecord::BindingCount() const noexcept {
    return menuItem_ ? 0 : WordAt(bindings_);
}

EventBinding ComponentRecord::Binding(uint32_t index) const noexcept {
    if (index >= BindingCount()) {
        return {0, 0};
    }
    const size_t at = bindings_ + 4 + index * size_t{8};
    return {static_cast<int32_t>(WordAt(at)), WordAt(at + 4)};
}

uint32_t ComponentRecord::RoutineForEvent(int32_t event) const noexcept {
    for (uint32_t index = 0; index < BindingCount(); ++index) {
        const EventBinding binding = Binding(index);
        if (binding.event == event) {
            return binding.routine;
        }
    }
    return 0;
}

std::span<const uint8_t> ComponentRecord::UnitProperties() const noexcept {
    if (menuItem_) {
        return {};
    }
    return std::span<const uint8_t>(data_).subspan(unit_);
}

uint32_t ComponentRecord::MenuState() const noexcept {
    return menuItem_ ? WordAt(fixed_) : 0;
}

void ComponentRecord::SetMenuState(uint32_t state) noexcept {
    if (menuItem_) {
        SetWordAt(fixed_, state);
    }
}

uint32_t ComponentRecord::MenuLevel() const noexcept {
    return menuItem_ ? WordAt(fixed_ + 4) : 0;
}

uint32_t ComponentRecord::MenuShortcut() const noexcept {
    return menuItem_ ? WordAt(fixed_ + 8) : 0;
}

const char* ComponentRecord::MenuCaption() const noexcept {
    return menuItem_ ? reinterpret_cast<const char*>(data_.data() + caption_) : "";
}

uint32_t ComponentRecord::MenuRoutine() const noexcept {
    return menuItem_ ? WordAt(routine_) : 0;
}

bool ComponentRecord::ReplaceRange(size_t start, size_t end, std::span<const uint8_t> bytes) noexcept {
    try {
        std::vector<uint8_t> data;
        data.reserve(data_.size() - (end - start) + bytes.size());
        data.insert(data.end(), data_.begin(), data_.begin() + static_cast<ptrdiff_t>(start));
        data.insert(data.end(), bytes.begin(), bytes.end());
        data.insert(data.end(), data_.begin() + static_cast<ptrdiff_t>(end), data_.end());
        std::swap(data, data_);
        if (!Layout()) {
            std::swap(data, data_);
            Layout();
            return false;
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool ComponentRecord::ReplaceText(size_t start, std::string_view text) noexcept {
    const size_t end = start + std::strlen(reinterpret_cast<const char*>(data_.data() + start));
    text = UpToZero(text);
    return ReplaceRange(start, end, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

bool ComponentRecord::SetTag(std::string_view tag) noexcept {
    return !menuItem_ && ReplaceText(tag_, tag);
}

bool ComponentRecord::SetMenuCaption(std::string_view caption) noexcept {
    return menuItem_ && ReplaceText(caption_, caption);
}

bool ComponentRecord::SetMousePointer(std::span<const uint8_t> pointer) noexcept {
    if (menuItem_) {
        return false;
    }
    try {
        ByteWriter block;
        block.Block(pointer);
        return ReplaceRange(pointer_, tag_, block.Result());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void ComponentRecord::RelocateRoutines(uint32_t codeBase) noexcept {
    const auto relocate = [codeBase](uint32_t offset) {
        return offset == static_cast<uint32_t>(kNoRoutine) ? 0 : codeBase + offset;
    };
    if (menuItem_) {
        SetWordAt(routine_, relocate(WordAt(routine_)));
        return;
    }
    for (uint32_t index = 0; index < BindingCount(); ++index) {
        const size_t at = bindings_ + 8 + index * size_t{8};
        SetWordAt(at, relocate(WordAt(at)));
    }
}

}  // namespace velmora
