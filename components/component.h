// The part every unit's component shares: the object the runtime holds, its window subclassed so the
// component sees its messages, the notifications the form reflects back to the control they came
// from, and the focus events. The window owns the component: at WM_NCDESTROY the runtime is told
// (service 2000) and the component is freed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "runtime/forms/unit_properties.h"
#include "runtime/unit_interface.h"

namespace velmora {

// A notification the form reflects to its control arrives as kReflectBase + the form's message.
constexpr UINT kReflectBase = 0xBC00;
constexpr int32_t kEventGotFocus = -7;
constexpr int32_t kEventLostFocus = -8;

class Component : public ComponentObject {
  public:
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // By the unit's own property number; 1 when the component must be laid out again. These may
    // throw std::bad_alloc only; the unit routines turn that into an unchanged property.
    virtual int32_t WriteProperty(int32_t number, const void* value) = 0;
    virtual void ReadProperty(int32_t number, void* buffer) = 0;
    // The component's current properties as its unit property block. Throws std::bad_alloc only.
    virtual std::vector<uint8_t> TemplateData();
    virtual bool WantsKey(uint32_t) const noexcept { return false; }
    virtual bool IsDefaultButton() const noexcept { return false; }

    // The component's window proper; the only way in from the window procedure.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  protected:
    Component(const UnitCreateArgs& args, uint32_t unitType) noexcept;

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    // A re-created control: the new window takes over the component; the old one is destroyed
    // without ending it. False (and the old window kept) when the new one is null.
    bool ReplaceWindow(HWND replacement) noexcept;

  private:
    friend ComponentObject* AttachComponent(std::unique_ptr<Component> component, HWND window) noexcept;
    friend LRESULT CALLBACK ComponentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    bool Subclass(HWND target) noexcept;
    void Unsubclass(HWND target) noexcept;

    WNDPROC original_ = nullptr;
    bool replacing_ = false;
};

// Hands the component to its window. Null (and the component freed) when the window is null.
ComponentObject* AttachComponent(std::unique_ptr<Component> component, HWND window) noexcept;
// The component whose window this is, or null.
Component* ComponentOf(HWND window) noexcept;

// Lets a helper control (a spin beside an edit box) reflect its notifications to a component's window.
void RouteNotifications(HWND helper, HWND component) noexcept;
// The form's half of reflection: sends the notification on to the control it came from when that is
// a component (or routes to one); false otherwise.
bool ReflectNotification(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept;

// The unit property block of a component that is not a window; nullopt when it is malformed.
std::optional<PropertyList> ComponentProperties(const UnitCreateArgs& args) noexcept;
// A byte-string property, empty when the block has none.
std::span<const uint8_t> BytesProperty(const PropertyList& properties, uint32_t number) noexcept;
// Replaces the bits under mask in the window's style and repaints it.
void ChangeStyle(HWND window, DWORD mask, DWORD bits) noexcept;
// A control's border: the style and extended styles it gives the window.
struct BorderLook {
    DWORD style;
    DWORD exStyle;
};
// Replaces the window's border (WS_BORDER and the client, static and modal-dialog edges) and repaints it.
void ApplyBorderLook(HWND window, const BorderLook& border) noexcept;
// Registers a window class of the runtime's own (DefWindowProcA, arrow cursor, no background brush)
// on first use; true when it exists.
bool RegisterRuntimeClass(HINSTANCE instance, const char* className, UINT style) noexcept;
// The styles of every control: a child that clips its siblings, disabled and a tab stop as the
// record's state flags say.
inline DWORD ControlStyles(const UnitCreateArgs& args) noexcept {
    return WS_CHILD | WS_CLIPSIBLINGS | args.style;
}

// Builds a component, catching a failed allocation: null then.
template <typename Unit, typename... Args>
std::unique_ptr<Unit> MakeComponent(Args&&... args) noexcept {
    try {
        return std::make_unique<Unit>(std::forward<Args>(args)...);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Interface code 8: (object, virtual key) -> 1 when the control keeps the key for itself (Enter in a
// multi-line edit box). Interface code 10: (object) -> 1 for a default button.
constexpr int32_t kUnitWantsKey = 8;
constexpr int32_t kUnitIsDefaultButton = 10;
using UnitWantsKeyRoutine = int32_t (*)(ComponentObject* object, uint32_t virtualKey) noexcept;
using UnitIsDefaultButtonRoutine = int32_t (*)(ComponentObject* object) noexcept;

// A unit's interface routine: its own create and pass-texts routines and the routines every component
// shares.
UnitRoutine ComponentInterface(int32_t code, UnitCreateRoutine create, UnitPassTextsRoutine passTexts) noexcept;

}  // namespace velmora
