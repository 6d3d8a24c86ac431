// Support functions 0 and 1: a file search that hands back one matching name per call.
#pragma once

#include <windows.h>

#include <cstdint>

namespace velmora {

// A non-empty pattern starts a new search (closing the one in the slot); otherwise the search in the
// slot goes on. Returns a new text with the next matching name, or null at the end, when the slot's
// search is closed and the slot emptied.
char* FindFileNext(const char* pattern, uint32_t attributeMask, bool anyFile, HANDLE* searchSlot) noexcept;
void FindFileClose(HANDLE search) noexcept;

// The filter: with anyFile every entry that is not a directory; otherwise an entry sharing a bit
// with mask & 0x37, or for a mask of 0 an entry whose attributes are 0.
bool MatchesFileFilter(uint32_t attributes, uint32_t attributeMask, bool anyFile) noexcept;

}  // namespace velmora
