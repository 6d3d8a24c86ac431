// The list-view item record as the shell's process lays it out. The record goes into the shell's
// memory, so its layout is the shell's bitness, not ours.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

// LVITEMA of a 64-bit process.
struct ListViewItem64 {
    uint32_t mask;
    int32_t item;
    int32_t subItem;
    uint32_t state;
    uint32_t stateMask;
    uint32_t padding1;
    uint64_t text;
    int32_t textMax;
    int32_t image;
    uint64_t param;
    int32_t indent;
    int32_t groupId;
    uint32_t columns;
    uint32_t padding2;
    uint64_t columnList;
    uint64_t columnFormats;
    int32_t group;
    uint32_t padding3;
};
static_assert(sizeof(ListViewItem64) == 88);
static_assert(offsetof(ListViewItem64, text) == 24);
static_assert(offsetof(ListViewItem64, textMax) == 32);

// LVITEMA of a 32-bit process.
struct ListViewItem32 {
    uint32_t mask;
    int32_t item;
    int32_t subItem;
    uint32_t state;
    uint32_t stateMask;
    uint32_t text;
    int32_t textMax;
    int32_t image;
    uint32_t param;
    int32_t indent;
    int32_t groupId;
    uint32_t columns;
    uint32_t columnList;
    uint32_t columnFormats;
    int32_t group;
};
static_assert(sizeof(ListViewItem32) == 60);
static_assert(offsetof(ListViewItem32, text) == 20);
static_assert(offsetof(ListViewItem32, textMax) == 24);

}  // namespace velmora
