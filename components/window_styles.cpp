#include "components/window_styles.h"

namespace velmora {
namespace {

struct BorderStyle {
    bool resizable;
    DWORD exStyle;
};

constexpr BorderStyle kBorderStyles[] = {
    {false, 0},
    {true, 0},
    {false, 0},
    {true, WS_EX_TOOLWINDOW},
    {false, WS_EX_TOOLWINDOW},
    {true, WS_EX_CLIENTEDGE},
    {false, WS_EX_CLIENTEDGE},
};

}  // namespace

FrameStyles WindowFrameStyles(const FrameSettings& settings) noexcept {
    FrameStyles styles;
    if (settings.borderStyle > 0 && settings.borderStyle <= kHighestBorderStyle) {
        if (settings.hasCaptionText || settings.controlBox) {
            styles.style |= WS_CAPTION;
        }
        if (settings.controlBox) {
            styles.style |= WS_SYSMENU;
        }
        const BorderStyle& border = kBorderStyles[settings.borderStyle];
        if (settings.embedded) {
            styles.exStyle |= WS_EX_DLGMODALFRAME;
        } else {
            styles.style |= WS_DLGFRAME | (border.resizable ? WS_THICKFRAME : 0);
        }
        styles.exStyle |= border.exStyle;
    }
    if (settings.maximiseBox) {
        styles.style |= WS_MAXIMIZEBOX;
    }
    if (settings.minimiseBox) {
        styles.style |= WS_MINIMIZEBOX;
    }
    return styles;
}

}  // namespace velmora
