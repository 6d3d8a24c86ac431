// Timing Velmora as its user waits for it: from the click on a button to the message box that answers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/e2e/velmora_app.h"

namespace velmora::bench {

// Long enough for the slowest operation on the largest desktop.
inline constexpr DWORD kAnswerTimeoutMs = 600000;

struct TimedAnswer {
    double seconds = 0;
    std::string text;  // the message box's text
};

// Activates Velmora's window and waits until Velmora waits for input, as a person's click finds it.
// What that sets off is not Velmora's work, so it comes before the watch starts.
bool ReadyForClick(test::VelmoraApp& app);

// Clicks the button, times until Velmora's message box shows, reads the box and answers it with OK.
// Nullopt, with a test failure, when no box comes.
std::optional<TimedAnswer> TimeClickToMessageBox(test::VelmoraApp& app, HWND button);

// The most memory the process has had in its working set so far.
size_t PeakWorkingSet(HANDLE process);

}  // namespace velmora::bench
