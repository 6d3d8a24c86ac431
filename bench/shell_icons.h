// The unavoidable reading of the stand-in shell's icons that both baselines do: one process open,
// three remote buffers, per item the text and rectangle requests (and the position request when asked)
// with their copies.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::bench {

struct ShellIcon {
    std::string caption;
    RECT bounds = {};
    POINT position = {};
};

// The one shell view there is: the stand-in's.
HWND ShellListView();

// False when the process or its memory cannot be had.
bool ReadShellIcons(HWND listView, bool withPositions, std::vector<ShellIcon>& icons);

}  // namespace velmora::bench
