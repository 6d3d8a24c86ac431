#include "runtime/forms/menu_item_properties.h"

#include <windows.h>

#include <cstring>

#include "runtime/forms/form_menu.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/property_values.h"
#include "runtime/heap.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

enum MenuItemProperty : int32_t { kCaption, kChecked, kDisabled, kVisible };

void RebuildMenu(WindowTemplate& window) {
    HWND handle = LiveWindow(window.Record(0));
    if (handle == nullptr) {
        return;
    }
    MenuHandle menu = BuildMenu(window);
    HMENU old = GetMenu(handle);
    if (SetMenu(handle, menu.get())) {
        menu.release();
        if (old != nullptr) {
            DestroyMenu(old);
        }
        DrawMenuBar(handle);
    }
    if (WindowInstance* instance = Forms().Instance(window)) {
        instance->accelerators = BuildAccelerators(window);
    }
}

}  // namespace

uint64_t ReadMenuItemProperty(const ComponentRecord& item, int32_t number) noexcept {
    const uint32_t state = item.MenuState();
    switch (number) {
        case kCaption:
            return PointerValue(NewText(item.MenuCaption()));
        case kChecked:
            return (state & kMenuChecked) != 0;
        case kDisabled:
            return (state & kMenuDisabled) != 0;
        case kVisible:
            return (state & kMenuHidden) == 0;
        default:
            return 0;
    }
}

void WriteMenuItemProperty(WindowTemplate& window, ComponentRecord& item, int32_t number, uint32_t low) noexcept {
    const uint32_t state = item.MenuState();
    const auto change = [&item, state](uint32_t bit, bool set) {
        if (((state & bit) != 0) != set) {
            item.SetMenuState(set ? state | bit : state & ~bit);
        }
    };
    switch (number) {
        case kCaption: {
            const char* caption = TextOf(low);
            if (!item.SetMenuCaption(caption)) {
                ReportAllocationFailure(static_cast<uint32_t>(item.Data().size() + std::strlen(caption)));
            }
            break;
        }
        case kChecked:
            change(kMenuChecked, low != 0);
            break;
        case kDisabled:
            change(kMenuDisabled, low != 0);
            break;
        case kVisible:
            change(kMenuHidden, low == 0);
            break;
        default:
            return;
    }
    RebuildMenu(window);
}

}  // namespace velmora
