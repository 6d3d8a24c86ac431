#include "runtime/idle_callbacks.h"

#include "runtime/heap_list.h"

namespace velmora {
namespace {

HeapList<IdleCallback>& Callbacks() {
    static HeapList<IdleCallback> callbacks;
    return callbacks;
}

int32_t IndexOf(HWND window) {
    HeapList<IdleCallback>& callbacks = Callbacks();
    for (uint32_t i = 0; i < callbacks.Count(); ++i) {
        if (callbacks[i].window == window) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

}  // namespace

void RegisterIdleCallback(const IdleCallback& callback) noexcept {
    if (IsWindow(callback.window) && IndexOf(callback.window) < 0) {
        Callbacks().Append(callback);
    }
}

void RemoveIdleCallback(HWND window) noexcept {
    if (const int32_t index = IndexOf(window); index >= 0) {
        Callbacks().RemoveAt(static_cast<uint32_t>(index));
    }
}

// A routine may remove its own entry or others; the walk re-checks the bound each step.
void RunIdleCallbacks() noexcept {
    HeapList<IdleCallback>& callbacks = Callbacks();
    for (uint32_t i = callbacks.Count(); i > 0; --i) {
        if (i > callbacks.Count()) {
            continue;
        }
        const IdleCallback callback = callbacks[i - 1];
        if (!IsWindow(callback.window)) {
            callbacks.RemoveAt(i - 1);
        } else {
            callback.routine(callback.argument);
        }
    }
}

void ClearIdleCallbacks() noexcept {
    Callbacks().Clear();
}

}  // namespace velmora
