#include "runtime/forms/form_menu.h"

#include <new>
#include <vector>

#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

constexpr uint32_t kMaximumDepth = 16;

bool AppendItems(HMENU menu, const WindowTemplate& window, uint32_t& index, uint32_t level, uint32_t depth) {
    while (index < window.ComponentCount()) {
        const ComponentRecord& item = window.Record(index);
        if (!item.IsMenuItem()) {
            ++index;
            continue;
        }
        const uint32_t itemLevel = item.MenuLevel();
        if (itemLevel < level) {
            return true;
        }
        const uint32_t itemIndex = index++;
        const bool hasChildren = index < window.ComponentCount() && window.Record(index).IsMenuItem() &&
                                 window.Record(index).MenuLevel() > itemLevel && depth < kMaximumDepth;
        const uint32_t state = item.MenuState();
        UINT flags = (state & kMenuChecked) != 0 ? MF_CHECKED : MF_UNCHECKED;
        flags |= (state & kMenuDisabled) != 0 ? MF_GRAYED : MF_ENABLED;
        if (hasChildren) {
            MenuHandle popup(CreatePopupMenu());
            if (!popup || !AppendItems(popup.get(), window, index, itemLevel + 1, depth + 1)) {
                return false;
            }
            if ((state & kMenuHidden) != 0) {
                continue;
            }
            if (!AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()), item.MenuCaption())) {
                return false;
            }
            popup.release();
        } else if ((state & kMenuHidden) == 0) {
            const bool separator = std::string_view(item.MenuCaption()) == "-";
            if (!AppendMenuA(menu, separator ? MF_SEPARATOR : flags | MF_STRING, MenuCommandId(itemIndex),
                             separator ? nullptr : item.MenuCaption())) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

MenuHandle BuildMenu(const WindowTemplate& window) noexcept {
    if (!window.HasMenuItems()) {
        return MenuHandle();
    }
    MenuHandle menu(CreateMenu());
    uint32_t index = 1;
    if (!menu || !AppendItems(menu.get(), window, index, 0, 0) || GetMenuItemCount(menu.get()) <= 0) {
        return MenuHandle();
    }
    return menu;
}

AcceleratorTable BuildAccelerators(const WindowTemplate& window) noexcept {
    std::vector<ACCEL> entries;
    try {
        for (uint32_t index = 1; index < window.ComponentCount(); ++index) {
            const ComponentRecord& item = window.Record(index);
            const uint32_t shortcut = item.IsMenuItem() ? item.MenuShortcut() : 0;
            if (shortcut != 0 && (item.MenuState() & kMenuHidden) == 0) {
                const auto modifiers = static_cast<BYTE>((shortcut >> 16) & (FSHIFT | FCONTROL | FALT));
                entries.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | modifiers), static_cast<WORD>(shortcut & 0xFFFF),
                                        static_cast<WORD>(MenuCommandId(index))});
            }
        }
    } catch (const std::bad_alloc&) {
        return AcceleratorTable();
    }
    if (entries.empty()) {
        return AcceleratorTable();
    }
    return AcceleratorTable(CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size())));
}

}  // namespace velmora
