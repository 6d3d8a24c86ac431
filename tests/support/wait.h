// Polling with a time-out: every wait in the tests goes through here and says what it waited for.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace velmora::test {

inline constexpr DWORD kDefaultTimeoutMs = 15000;
inline constexpr DWORD kPollMs = 20;

// Calls check until it returns a value that converts to true, or the time-out passes; then records a
// test failure naming what was waited for and returns the last (false) value.
template <typename Check>
auto WaitFor(const std::string& what, DWORD timeoutMs, Check check) -> decltype(check()) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        auto value = check();
        if (value)
            return value;
        if (GetTickCount64() >= deadline) {
            ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << what;
            return value;
        }
        Sleep(kPollMs);
    }
}

}  // namespace velmora::test
