// One component record of a window template: its bytes exactly as in the template data, with
// accessors for every field. Records change while their window is loaded (object and cursor slots,
// geometry, tag, state), so each record owns its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

struct EventBinding {
    int32_t event;
    // Before relocation the routine's offset from the code base; after it the routine's address, 0 for none.
    uint32_t routine;
};

class ComponentRecord {
  public:
    // nullopt when a field runs past the end of the data. Throws std::bad_alloc only.
    static std::optional<ComponentRecord> Parse(std::span<const uint8_t> data);

    std::span<const uint8_t> Data() const noexcept { return data_; }
    uint32_t UnitType() const noexcept;
    bool IsMenuItem() const noexcept { return menuItem_; }
    // Id of the component whose bindings this one uses, or 0.
    uint32_t EventSource() const noexcept;
    // Zero-terminated texts in the system code page.
    const char* Name() const noexcept;
    const char* SecondText() const noexcept;

    // The fields below belong to records that are not menu items; on a menu item they read 0 or empty
    // and the setters do nothing.
    uint32_t ObjectSlot() const noexcept;
    void SetObjectSlot(uint32_t object) noexcept;
    int32_t Left() const noexcept;
    int32_t Top() const noexcept;
    int32_t Width() const noexcept;
    int32_t Height() const noexcept;
    void SetLeft(int32_t left) noexcept;
    void SetTop(int32_t top) noexcept;
    void SetWidth(int32_t width) noexcept;
    void SetHeight(int32_t height) noexcept;
    uint32_t CursorSlot() const noexcept;
    void SetCursorSlot(uint32_t cursor) noexcept;
    // Id of the containing component, 0 for the window.
    uint32_t Container() const noexcept;
    // A container's list: ids of the components it holds, in groups separated by 0 words.
    uint32_t ContainedCount() const noexcept;
    uint32_t ContainedId(uint32_t index) const noexcept;
    std::span<const uint8_t> MousePointer() const noexcept;
    const char* Tag() const noexcept;
    uint32_t StateFlags() const noexcept;
    void SetStateFlags(uint32_t flags) noexcept;
    uint32_t BindingCount() const noexcept;
    EventBinding Binding(uint32_t index) const noexcept;
    // The relocated routine bound to an event, 0 when none.
    uint32_t RoutineForEvent(int32_t event) const noexcept;
    // The unit's own properties: the rest of the record.
    std::span<const uint8_t> UnitProperties() const noexcept;

    // These replace a field whose length changes; false when memory runs out (the record is unchanged).
    // A text ends at its first zero byte.
    bool SetTag(std::string_view tag) noexcept;
    bool SetMousePointer(std::span<const uint8_t> pointer) noexcept;

    // Menu items: three words (state flags, nesting level, shortcut key), the caption and the click routine.
    uint32_t MenuState() const noexcept;
    void SetMenuState(uint32_t state) noexcept;
    uint32_t MenuLevel() const noexcept;
    uint32_t MenuShortcut() const noexcept;
    const char* MenuCaption() const noexcept;
    bool SetMenuCaption(std::string_view caption) noexcept;
    uint32_t MenuRoutine() const noexcept;

    // Routine offsets become code base + offset; -1 becomes 0 (no routine).
    void RelocateRoutines(uint32_t codeBase) noexcept;

    // The object and cursor slots hold 32-bit addresses in the 32-bit product.
    template <class T>
    T* ObjectAs() const noexcept {
        static_assert(sizeof(T*) == sizeof(uint32_t));
        return reinterpret_cast<T*>(ObjectSlot());
    }

  private:
    explicit ComponentRecord(std::vector<uint8_t> data) noexcept : data_(std::move(data)) {}
    bool Layout() noexcept;
    uint32_t WordAt(size_t offset) const noexcept;
    void SetWordAt(size_t offset, uint32_t value) noexcept;
    bool ReplaceRange(size_t start, size_t end, std::span<const uint8_t> bytes) noexcept;
    bool ReplaceText(size_t start, std::string_view text) noexcept;

    std::vector<uint8_t> data_;
    bool menuItem_ = false;
    size_t secondText_ = 0;
    // Offsets of the fields after the two texts; unused ones stay 0.
    size_t fixed_ = 0;
    size_t pointer_ = 0;
    size_t tag_ = 0;
    size_t flags_ = 0;
    size_t bindings_ = 0;
    size_t unit_ = 0;
    size_t caption_ = 0;
    size_t routine_ = 0;
};

}  // namespace velmora
