#include "app/desktop/directory_listing.h"

#include <algorithm>

#include "commands/find_handle.h"

namespace velmora {
namespace {

// The file system's own comparison of names: ordinal, upper-cased with the system's case table.
int CompareNames(const std::wstring& left, const std::wstring& right) noexcept {
    return CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                                static_cast<int>(right.size()), TRUE) -
           CSTR_EQUAL;
}

bool IsDeviceName(const std::wstring& name) noexcept {
    static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    std::wstring stem = name.substr(0, name.find_first_of(L".:"));
    while (!stem.empty() && stem.back() == L' ')
        stem.pop_back();
    for (const wchar_t* device : kDevices) {
        if (CompareNames(stem, device) == 0)
            return true;
    }
    // COM1 to COM9 and LPT1 to LPT9.
    return stem.size() == 4 &&
           (CompareNames(stem.substr(0, 3), L"COM") == 0 || CompareNames(stem.substr(0, 3), L"LPT") == 0) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

std::wstring WideOf(const char* text) noexcept {
    if (!text || !*text)
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

DirectoryListing DirectoryListing::Of(const std::wstring& directory) noexcept {
    DirectoryListing listing;
    listing.directoryLength_ = directory.size();
    WIN32_FIND_DATAW found;
    const FindHandle search(FindFirstFileW((directory + L"\\*").c_str(), &found));
    if (!search)
        return listing;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            listing.entries_.push_back({name, found.dwFileAttributes});
    } while (FindNextFileW(search.get(), &found));
    std::stable_sort(listing.entries_.begin(), listing.entries_.end(),
                     [](const Entry& left, const Entry& right) { return CompareNames(left.name, right.name) < 0; });
    return listing;
}

bool DirectoryListing::Answers(const std::wstring& name) const noexcept {
    // The ANSI calls take paths of fewer than MAX_PATH characters: directory, "\" and name.
    if (name.empty() || directoryLength_ + 1 + name.size() >= MAX_PATH)
        return false;
    if (name.find_first_of(L"\\/:*?\"<>|~") != std::wstring::npos || name.back() == L'.' || name.back() == L' ')
        return false;
    if (std::any_of(name.begin(), name.end(), [](wchar_t c) { return c < L' '; }))
        return false;
    return !IsDeviceName(name);
}

std::optional<DWORD> DirectoryListing::Find(const std::wstring& name) const noexcept {
    auto first = std::lower_bound(
        entries_.begin(), entries_.end(), name,
        [](const Entry& entry, const std::wstring& wanted) { return CompareNames(entry.name, wanted) < 0; });
    std::optional<DWORD> found;
    for (auto it = first; it != entries_.end() && CompareNames(it->name, name) == 0; ++it) {
        if (it->name == name)
            return it->attributes;
        if (!found)
            found = it->attributes;
    }
    return found;
}

}  // namespace velmora
