// What the window engine keeps while the program runs: the template collection, the run-time state of
// each window template (loaded, modal, its accelerator table) and the order in which windows were loaded.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/forms/template_collection.h"
#include "runtime/forms/user_handles.h"
#include "runtime/library.h"
#include "runtime/unit_interface.h"

namespace velmora {

struct DisabledWindow {
    HWND window;
    bool wasEnabled;
};

struct WindowInstance {
    bool loaded = false;
    bool modal = false;
    bool idleDone = false;
    std::vector<DisabledWindow> disabledByModal;
    AcceleratorTable accelerators;
};

class FormsState {
  public:
    // False when the data is unreadable.
    bool Read(std::span<const uint8_t> data, uint32_t codeBase) noexcept;
    void Free() noexcept;

    // Null before the templates are read and after they are freed.
    TemplateCollection* Collection() noexcept { return collection_ ? &*collection_ : nullptr; }
    WindowTemplate* FindTemplate(uint32_t windowId) noexcept;
    WindowInstance* Instance(uint32_t windowId) noexcept;
    WindowInstance* Instance(const WindowTemplate& window) noexcept { return Instance(window.Id()); }

    // Window ids in the order of their last load; a window leaves the list when it is destroyed.
    std::span<const uint32_t> LoadOrder() const noexcept { return loadOrder_; }
    bool AddLoaded(uint32_t windowId) noexcept;
    void RemoveLoaded(uint32_t windowId) noexcept;

  private:
    std::optional<TemplateCollection> collection_;
    std::vector<WindowInstance> instances_;
    std::vector<uint32_t> loadOrder_;
};

FormsState& Forms() noexcept;

// The component's object while its window is alive, else null.
ComponentObject* LiveObject(const ComponentRecord& record) noexcept;
HWND LiveWindow(const ComponentRecord& record) noexcept;
// The window's own object (record 0) while its window is alive.
ComponentObject* WindowObject(WindowTemplate& window) noexcept;
// Looked up through runtime service 1002.
const UnitDescriptor* FindUnitDescriptor(uint32_t unitType) noexcept;
// Interface code kUnitCreate, kUnitWriteProperty or kUnitReadProperty; null when the unit has none.
UnitRoutine FindUnitRoutine(uint32_t unitType, int32_t code) noexcept;

// A unit routine in its real type (UnitCreateRoutine, UnitWritePropertyRoutine, ...).
template <typename Routine>
Routine UnitRoutineAs(UnitRoutine routine) noexcept {
    return reinterpret_cast<Routine>(reinterpret_cast<void (*)()>(routine));
}

}  // namespace velmora
