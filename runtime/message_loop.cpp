#include "runtime/message_loop.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/idle_callbacks.h"

namespace velmora {
namespace {

enum class LoopMode { kMain, kNested };

uint32_t endingLoop = 0;

bool AnyLoadedWindowAlive() {
    const WindowEngine* engine = Engine();
    return engine != nullptr && engine->anyLoadedWindowAlive != nullptr && engine->anyLoadedWindowAlive();
}

class IdleProcessing {
  public:
    // The framework underneath has no idle work of its own; counts 0 and 1 give the windows'
    // messages time to settle before the idle events start.
    bool Run(uint32_t count) {
        const WindowEngine* engine = Engine();
        if (count == 0) {
            startTick_ = GetTickCount();
            if (engine != nullptr && engine->startIdlePeriod != nullptr) {
                engine->startIdlePeriod();
            }
        }
        if (count < 2) {
            return true;
        }
        if (engine == nullptr || engine->raiseIdleEvents == nullptr) {
            return false;
        }
        return engine->raiseIdleEvents(GetTickCount() - startTick_);
    }

  private:
    DWORD startTick_ = 0;
};

// Painting, the caret's blink (0x0118) and a mouse that did not move do not end an idle period.
bool StartsNewIdlePeriod(const MSG& message, POINT& lastMouse) {
    if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
        const bool moved = message.pt.x != lastMouse.x || message.pt.y != lastMouse.y;
        lastMouse = message.pt;
        return moved;
    }
    return message.message != WM_PAINT && message.message != 0x0118;
}

void DispatchOne(MSG& message) {
    const WindowEngine* engine = Engine();
    if (engine != nullptr && engine->preTranslateMessage != nullptr && engine->preTranslateMessage(&message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void RunLoop(LoopMode mode) {
    IdleProcessing idle;
    bool idleState = true;
    uint32_t idleCount = 0;
    POINT lastMouse{-1, -1};
    MSG message;
    for (;;) {
        while (idleState && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            RunIdleCallbacks();
            if (!idle.Run(idleCount++)) {
                idleState = false;
            }
            if (mode == LoopMode::kNested && endingLoop == 0) {
                return;
            }
        }
        do {
            if (mode == LoopMode::kNested && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) &&
                message.message == WM_QUIT) {
                return;
            }
            if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
                if (mode == LoopMode::kNested) {
                    // The quit arrived while waiting: it belongs to the main loop.
                    PostQuitMessage(static_cast<int>(message.wParam));
                }
                return;
            }
            DispatchOne(message);
            if (mode == LoopMode::kNested && endingLoop == 0) {
                return;
            }
            if (StartsNewIdlePeriod(message, lastMouse)) {
                idleState = true;
                idleCount = 0;
            }
        } while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    }
}

}  // namespace

void RunMessageLoop() noexcept {
    App().running = true;
    if (AnyLoadedWindowAlive()) {
        RunLoop(LoopMode::kMain);
    }
}

void RunNestedMessageLoop(uint32_t windowId) noexcept {
    const uint32_t outer = endingLoop;
    endingLoop = windowId;
    RunLoop(LoopMode::kNested);
    endingLoop = outer;
}

bool NestedMessageLoopWaitsFor(uint32_t windowId) noexcept {
    return endingLoop != 0 && endingLoop == windowId;
}

void ReleaseNestedMessageLoop() noexcept {
    endingLoop = 0;
}

void ProcessPendingMessages() noexcept {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            continue;
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchOne(message);
    }
}

void QuitWhenNoWindowIsLeft() noexcept {
    if (App().running && !AnyLoadedWindowAlive()) {
        PostQuitMessage(0);
    }
}

}  // namespace velmora
