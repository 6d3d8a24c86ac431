// The frame of a form window: which styles its border style, caption and boxes give it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace velmora {

// The style bits the frame settings own; everything else in a window's style is left alone.
constexpr DWORD kFrameStyles = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
constexpr int32_t kHighestBorderStyle = 6;

struct FrameSettings {
    int32_t borderStyle = 0;
    bool hasCaptionText = false;
    bool controlBox = false;
    bool maximiseBox = false;
    bool minimiseBox = false;
    bool embedded = false;  // a child inside another window: a modal-dialog edge, never a sizing border
};

struct FrameStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

FrameStyles WindowFrameStyles(const FrameSettings& settings) noexcept;

}  // namespace velmora
