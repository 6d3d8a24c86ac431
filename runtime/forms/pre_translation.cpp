#include "runtime/forms/pre_translation.h"

#include <windows.h>

#include "runtime/forms/forms_state.h"

namespace velmora {
namespace {

struct Form {
    HWND window = nullptr;
    WindowInstance* instance = nullptr;
};

// The loaded form that the message's window belongs to: the window itself or one of its ancestors.
Form FindForm(HWND target) {
    TemplateCollection* collection = Forms().Collection();
    if (collection == nullptr) {
        return {};
    }
    for (HWND window = target; window != nullptr; window = GetAncestor(window, GA_PARENT)) {
        for (uint32_t index = 0; index < collection->WindowCount(); ++index) {
            WindowTemplate& candidate = collection->Window(index);
            const ComponentObject* object = WindowObject(candidate);
            if (object != nullptr && object->window == window) {
                return {window, Forms().Instance(candidate)};
            }
        }
    }
    return {};
}

bool Wants(HWND control, const MSG& message, LRESULT codes) {
    return (SendMessageA(control, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) & codes) != 0;
}

bool MoveFocus(HWND form, const MSG& message) {
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(form, focus) || Wants(focus, message, DLGC_WANTTAB | DLGC_WANTALLKEYS)) {
        return false;
    }
    HWND next = GetNextDlgTabItem(form, focus, GetKeyState(VK_SHIFT) < 0);
    if (next == nullptr || next == focus) {
        return false;
    }
    SetFocus(next);
    return true;
}

BOOL CALLBACK FindDefaultButton(HWND window, LPARAM found) noexcept {
    if (IsWindowVisible(window) && IsWindowEnabled(window) &&
        (SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Enter presses the focused push button, or else the form's default button, unless the focused control
// wants Enter for itself (a multi-line edit box).
bool PressButtonForEnter(HWND form, const MSG& message) {
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(form, focus)) {
        return false;
    }
    const LRESULT codes = SendMessageA(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if ((codes & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) {
        return false;
    }
    HWND button = (codes & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0 ? focus : nullptr;
    if (button == nullptr) {
        EnumChildWindows(form, FindDefaultButton, reinterpret_cast<LPARAM>(&button));
    }
    if (button == nullptr) {
        return false;
    }
    SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

}  // namespace

bool PreTranslateFormMessage(tagMSG* message) noexcept {
    if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST) {
        return false;
    }
    const Form form = FindForm(message->hwnd);
    if (form.window == nullptr) {
        return false;
    }
    if (form.instance != nullptr && form.instance->accelerators &&
        TranslateAcceleratorA(form.window, form.instance->accelerators.get(), message)) {
        return true;
    }
    if (message->message != WM_KEYDOWN) {
        return false;
    }
    if (message->wParam == VK_TAB) {
        return MoveFocus(form.window, *message);
    }
    if (message->wParam == VK_RETURN) {
        return PressButtonForEnter(form.window, *message);
    }
    return false;
}

}  // namespace velmora
