// The tool's records: one desktop icon as read from the list view or from a layout backup file,
// and the arrays of them that the program-wide variables hold.
#pragma once

#include <cstdint>

namespace velmora {

struct ItemRectangle {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// Owns its three texts and its rectangle, all heap blocks.
struct IconEntry {
    int32_t index;
    char* kind;
    char* caption;
    ItemRectangle* rectangle;
    char* target;
};

// A zeroed entry with a zeroed rectangle of its own.
IconEntry* NewIconEntry() noexcept;
// A deep copy: new texts and a new rectangle.
IconEntry* CopyIconEntry(const IconEntry& entry) noexcept;
// Kind, caption, rectangle and target, then the entry itself.
void FreeIconEntry(IconEntry* entry) noexcept;

// An array block of pointers to icon entries that it owns. Null until Create.
class IconEntryArray {
  public:
    IconEntryArray() = default;
    IconEntryArray(const IconEntryArray&) = delete;
    IconEntryArray& operator=(const IconEntryArray&) = delete;
    IconEntryArray(IconEntryArray&& other) noexcept;
    IconEntryArray& operator=(IconEntryArray&& other) noexcept;
    ~IconEntryArray() { Free(); }

    // A fresh empty one-dimensional array.
    void Create() noexcept;
    // Frees every entry and the block; the array is null again.
    void Free() noexcept;
    // Frees every entry and leaves an empty array.
    void Clear() noexcept;
    // Appends a deep copy of the entry.
    void Append(const IconEntry& entry) noexcept;

    uint32_t Count() const noexcept;
    // index is 1-based and checked as program code checks it, for the routine and position given.
    IconEntry& At(int32_t index, uint32_t routine, uint32_t position) noexcept;
    void* Block() const noexcept { return block_; }

  private:
    IconEntry** Entries() const noexcept;

    void* block_ = nullptr;
};

}  // namespace velmora
