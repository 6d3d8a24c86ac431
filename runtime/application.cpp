#include "runtime/application.h"

namespace velmora {

Application& App() noexcept {
    static Application application;
    return application;
}

const WindowEngine* Engine() noexcept {
    return App().image == nullptr ? nullptr : App().image->windowEngine;
}

const ProgramHeader& Header() noexcept {
    return *App().image->header;
}

bool OnMainThread() noexcept {
    return GetCurrentThreadId() == App().mainThreadId;
}

}  // namespace velmora
