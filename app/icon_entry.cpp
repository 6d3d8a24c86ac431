#include "app/icon_entry.h"

#include <utility>

#include "runtime/array_block.h"
#include "runtime/heap.h"

namespace velmora {

IconEntry* NewIconEntry() noexcept {
    auto* entry = static_cast<IconEntry*>(HeapAllocate(sizeof(IconEntry)));
    *entry = IconEntry{};
    entry->rectangle = static_cast<ItemRectangle*>(HeapAllocate(sizeof(ItemRectangle)));
    *entry->rectangle = ItemRectangle{};
    return entry;
}

IconEntry* CopyIconEntry(const IconEntry& entry) noexcept {
    IconEntry* copy = NewIconEntry();
    copy->index = entry.index;
    copy->kind = NewText(entry.kind);
    copy->caption = NewText(entry.caption);
    if (entry.rectangle != nullptr) {
        *copy->rectangle = *entry.rectangle;
    }
    copy->target = NewText(entry.target);
    return copy;
}

void FreeIconEntry(IconEntry* entry) noexcept {
    if (entry == nullptr) {
        return;
    }
    HeapRelease(entry->kind);
    HeapRelease(entry->caption);
    HeapRelease(entry->rectangle);
    HeapRelease(entry->target);
    HeapRelease(entry);
}

IconEntryArray::IconEntryArray(IconEntryArray&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}

IconEntryArray& IconEntryArray::operator=(IconEntryArray&& other) noexcept {
    if (this != &other) {
        Free();
        block_ = std::exchange(other.block_, nullptr);
    }
    return *this;
}

void IconEntryArray::Create() noexcept {
    Free();
    block_ = NewArrayBlock(0, sizeof(IconEntry*));
}

void IconEntryArray::Free() noexcept {
    const uint32_t count = Count();
    for (uint32_t i = 0; i < count; ++i) {
        FreeIconEntry(Entries()[i]);
    }
    HeapRelease(block_);
    block_ = nullptr;
}

void IconEntryArray::Clear() noexcept {
    Create();
}

void IconEntryArray::Append(const IconEntry& entry) noexcept {
    if (block_ == nullptr) {
        Create();
    }
    const uint32_t count = Count();
    IconEntry* copy = CopyIconEntry(entry);
    block_ = HeapReallocate(block_, 8 + (count + 1) * static_cast<uint32_t>(sizeof(IconEntry*)));
    static_cast<uint32_t*>(block_)[1] = count + 1;
    Entries()[count] = copy;
}

uint32_t IconEntryArray::Count() const noexcept {
    return ElementCount(block_);
}

IconEntry& IconEntryArray::At(int32_t index, uint32_t routine, uint32_t position) noexcept {
    // Checked first: the elements of a null block are not an address to compute.
    const uint32_t element = CheckArrayIndex(block_, index, routine, position);
    return *Entries()[element];
}

IconEntry** IconEntryArray::Entries() const noexcept {
    return static_cast<IconEntry**>(ArrayElements(block_));
}

}  // namespace velmora
