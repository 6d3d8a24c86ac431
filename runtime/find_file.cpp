#include "runtime/find_file.h"

#include "runtime/heap.h"

namespace velmora {

bool MatchesFileFilter(uint32_t attributes, uint32_t attributeMask, bool anyFile) noexcept {
    if (anyFile) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    const uint32_t mask = attributeMask & 0x37;
    return mask == 0 ? attributes == 0 : (attributes & mask) != 0;
}

char* FindFileNext(const char* pattern, uint32_t attributeMask, bool anyFile, HANDLE* searchSlot) noexcept {
    WIN32_FIND_DATAA entry;
    bool found = false;
    if (pattern != nullptr && pattern[0] != '\0') {
        FindFileClose(*searchSlot);
        *searchSlot = nullptr;
        HANDLE search = FindFirstFileA(pattern, &entry);
        if (search != INVALID_HANDLE_VALUE) {
            *searchSlot = search;
            found = true;
        }
    } else if (*searchSlot != nullptr) {
        found = FindNextFileA(*searchSlot, &entry) != FALSE;
    }
    while (found) {
        if (MatchesFileFilter(entry.dwFileAttributes, attributeMask, anyFile)) {
            return NewText(entry.cFileName);
        }
        found = FindNextFileA(*searchSlot, &entry) != FALSE;
    }
    FindFileClose(*searchSlot);
    *searchSlot = nullptr;
    return nullptr;
}

void FindFileClose(HANDLE search) noexcept {
    if (search != nullptr) {
        FindClose(search);
    }
}

}  // namespace velmora
