#include "runtime/forms/window_loader.h"

#include <algorithm>
#include <new>
#include <vector>

#include "runtime/event_record.h"
#include "runtime/forms/component_cursor.h"
#include "runtime/forms/event_dispatch.h"
#include "runtime/forms/form_menu.h"
#include "runtime/forms/identifiers.h"
#include "runtime/runtime_service.h"

namespace velmora {
namespace {

constexpr UINT kAnnounceComponent = 0x806F;
constexpr UINT kAnnounceWindow = 0x8004;
constexpr UINT kWindowReady = 0x8076;
constexpr UINT kZOrderOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
constexpr int32_t kLoadedEvents[] = {0, 3, 4};

uint32_t ComponentIdAt(const WindowTemplate& window, uint32_t index) {
    return index == 0 ? 0 : window.ComponentIds()[index];
}

// The components a container lists after its first 0 word lie on its later pages and start hidden.
bool OnLaterPage(WindowTemplate& window, uint32_t componentId) {
    for (uint32_t index = 0; index < window.ComponentCount(); ++index) {
        const ComponentRecord& container = window.Record(index);
        bool later = false;
        for (uint32_t at = 0; at < container.ContainedCount(); ++at) {
            const uint32_t listed = container.ContainedId(at);
            if (listed == 0) {
                later = true;
            } else if (later && listed == componentId) {
                return true;
            }
        }
    }
    return false;
}

class WindowBuild {
  public:
    WindowBuild(WindowTemplate& window, bool modal, HWND owner) noexcept
        : window_(window), modal_(modal), owner_(owner) {}

    bool CreateAll() noexcept;
    void Announce() noexcept;
    // Undoes everything when creation failed.
    void Discard() noexcept;

  private:
    bool Create(uint32_t index) noexcept;

    WindowTemplate& window_;
    bool modal_;
    HWND owner_;
    MenuHandle menu_;
    HWND windowHandle_ = nullptr;
    std::vector<bool> visible_;
};

bool WindowBuild::Create(uint32_t index) noexcept {
    ComponentRecord& record = window_.Record(index);
    const UnitDescriptor* unit = FindUnitDescriptor(record.UnitType());
    const auto create = UnitRoutineAs<UnitCreateRoutine>(
        unit != nullptr && unit->interfaceRoutine != nullptr ? unit->interfaceRoutine(kUnitCreate) : nullptr);
    if (create == nullptr) {
        return false;
    }
    const uint32_t state = record.StateFlags();
    UnitCreateArgs args;
    args.properties = record.UnitProperties().data();
    args.propertiesSize = static_cast<uint32_t>(record.UnitProperties().size());
    args.left = record.Left();
    args.top = record.Top();
    args.width = record.Width();
    args.height = record.Height();
    args.style = ((state & kStateDisabled) != 0 ? WS_DISABLED : 0) | ((state & kStateFocusable) != 0 ? WS_TABSTOP : 0);
    args.visible = (unit->flags & kUnitNoWindow) == 0 && (state & kStateVisible) != 0 &&
                   !OnLaterPage(window_, ComponentIdAt(window_, index));
    args.windowId = window_.Id();
    args.componentId = ComponentIdAt(window_, index);
    args.parent = index == 0 ? owner_ : windowHandle_;
    args.menu = index == 0 ? menu_.get() : nullptr;
    args.modal = modal_;
    args.windowTemplate = &window_;
    ComponentObject* object = create(args);
    if (object == nullptr || !IsWindow(object->window)) {
        return false;
    }
    record.SetObjectSlot(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object)));
    visible_[index] = args.visible;
    if (index == 0) {
        windowHandle_ = object->window;
        // The form stays out of sight until it is loaded and shown: a click on it before then would
        // be dropped with the other events of the load.
        ShowWindow(windowHandle_, SW_HIDE);
        // The window owns its menu from now on.
        menu_.release();
    }
    return true;
}

bool WindowBuild::CreateAll() noexcept {
    try {
        visible_.assign(window_.ComponentCount(), false);
    } catch (const std::bad_alloc&) {
        return false;
    }
    menu_ = BuildMenu(window_);
    for (uint32_t index = 0; index < window_.ComponentCount(); ++index) {
        if (!window_.Record(index).IsMenuItem() && !Create(index)) {
            return false;
        }
    }
    PlaceComponents(window_);
    for (uint32_t index = 0; index < window_.ComponentCount(); ++index) {
        ComponentRecord& record = window_.Record(index);
        HWND component = LiveWindow(record);
        if (component != nullptr && !record.MousePointer().empty()) {
            record.SetCursorSlot(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(MakeCursor(record.MousePointer()))));
            ShowComponentCursor(component, window_.Id(), ComponentIdAt(window_, index));
        }
    }
    return true;
}

void WindowBuild::Announce() noexcept {
    for (uint32_t index = window_.ComponentCount(); index-- > 0;) {
        if (HWND component = LiveWindow(window_.Record(index))) {
            SendMessageA(component, kAnnounceComponent, 0, 0);
        }
    }
    SendMessageA(windowHandle_, kAnnounceWindow, 0, 0);
    for (uint32_t index = 1; index < window_.ComponentCount(); ++index) {
        if (HWND component = LiveWindow(window_.Record(index))) {
            ShowWindow(component, visible_[index] ? SW_SHOWNA : SW_HIDE);
        }
    }
    if (WindowInstance* instance = Forms().Instance(window_)) {
        instance->accelerators = BuildAccelerators(window_);
    }
}

void WindowBuild::Discard() noexcept {
    if (windowHandle_ != nullptr && IsWindow(windowHandle_)) {
        DestroyWindow(windowHandle_);
    }
    for (uint32_t index = 0; index < window_.ComponentCount(); ++index) {
        ComponentRecord& record = window_.Record(index);
        ReleaseCursor(reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(record.CursorSlot())));
    }
    window_.RestorePristineCopy();
    Forms().RemoveLoaded(window_.Id());
}

void DisableOtherWindows(WindowTemplate& window, WindowInstance& instance) {
    for (const uint32_t otherId : Forms().LoadOrder()) {
        WindowTemplate* other = Forms().FindTemplate(otherId);
        HWND handle = other != nullptr && other != &window ? LiveWindow(other->Record(0)) : nullptr;
        if (handle == nullptr || (GetWindowLongA(handle, GWL_STYLE) & WS_CHILD) != 0) {
            continue;
        }
        try {
            instance.disabledByModal.push_back(DisabledWindow{handle, IsWindowEnabled(handle) != FALSE});
        } catch (const std::bad_alloc&) {
            continue;
        }
        EnableWindow(handle, FALSE);
    }
}

void SendWindowReady(WindowTemplate& window) {
    HWND focus = GetFocus();
    for (uint32_t index = window.ComponentCount(); index-- > 0;) {
        if (HWND component = LiveWindow(window.Record(index))) {
            SendMessageA(component, kWindowReady, 0, 0);
        }
    }
    if (GetFocus() != focus && IsWindow(focus)) {
        SetFocus(focus);
    }
}

// A live window is reused; one that is shown modally is dropped and loaded anew.
bool ReuseLiveWindow(WindowTemplate& window, WindowInstance& instance) {
    ComponentObject* live = WindowObject(window);
    if (live == nullptr) {
        return false;
    }
    if (!instance.modal) {
        if (IsIconic(live->window)) {
            ShowWindow(live->window, SW_RESTORE);
        } else {
            SetActiveWindow(live->window);
        }
        return true;
    }
    EndModalState(instance);
    DestroyWindow(live->window);
    return false;
}

}  // namespace

void PlaceComponents(WindowTemplate& window) noexcept {
    HWND windowHandle = LiveWindow(window.Record(0));
    if (windowHandle == nullptr) {
        return;
    }
    for (uint32_t index = 1; index < window.ComponentCount(); ++index) {
        const ComponentRecord& record = window.Record(index);
        HWND component = LiveWindow(record);
        if (component == nullptr) {
            continue;
        }
        HWND parent = windowHandle;
        if (record.Container() != 0) {
            const ComponentRecord* container = window.FindComponent(record.Container());
            HWND containerWindow = container != nullptr && container != &record ? LiveWindow(*container) : nullptr;
            parent = containerWindow != nullptr ? containerWindow : windowHandle;
        }
        if (GetAncestor(component, GA_PARENT) != parent) {
            SetParent(component, parent);
        }
    }
    for (uint32_t index = 1; index < window.ComponentCount(); ++index) {
        const ComponentRecord& record = window.Record(index);
        HWND component = LiveWindow(record);
        if (component == nullptr) {
            continue;
        }
        HWND after = HWND_TOP;
        for (uint32_t earlier = index - 1; earlier >= 1; --earlier) {
            const ComponentRecord& previous = window.Record(earlier);
            HWND previousWindow = previous.IsMenuItem() ? nullptr : LiveWindow(previous);
            if (previousWindow != nullptr && previous.Container() == record.Container()) {
                after = previousWindow;
                break;
            }
        }
        SetWindowPos(component, after, 0, 0, 0, 0, kZOrderOnly);
    }
}

void EndModalState(WindowInstance& instance) noexcept {
    for (const DisabledWindow& disabled : instance.disabledByModal) {
        if (IsWindow(disabled.window)) {
            EnableWindow(disabled.window, disabled.wasEnabled ? TRUE : FALSE);
        }
    }
    instance.disabledByModal.clear();
    instance.modal = false;
}

bool LoadWindow(WindowTemplate& window, bool modal, HWND owner) noexcept {
    WindowInstance* instance = Forms().Instance(window);
    if (instance == nullptr || window.ComponentCount() == 0) {
        return false;
    }
    if (ReuseLiveWindow(window, *instance)) {
        return true;
    }
    if (modal) {
        owner = nullptr;
    } else if (owner != nullptr && !IsWindow(owner)) {
        return false;
    }
    RuntimeService(2009, 0, 0);
    WindowBuild build(window, modal, owner);
    if (!window.TakePristineCopy() || !Forms().AddLoaded(window.Id()) || !build.CreateAll()) {
        build.Discard();
        RuntimeService(2010, 0, 0);
        return false;
    }
    instance->loaded = false;
    instance->idleDone = false;
    build.Announce();
    RuntimeService(2010, 0, 0);
    for (const int32_t event : kLoadedEvents) {
        RaiseWindowEvent(window.Id(), event);
        if (WindowObject(window) == nullptr) {
            return true;
        }
    }
    if (modal) {
        instance->modal = true;
        DisableOtherWindows(window, *instance);
    }
    SendWindowReady(window);
    instance->loaded = true;
    return true;
}

}  // namespace velmora
