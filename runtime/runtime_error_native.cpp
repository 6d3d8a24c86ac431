#include <cstdio>
#include <cstdlib>

#include "runtime/native_error_hook.h"
#include "runtime/runtime_error_report.h"

namespace velmora {
namespace {

RuntimeErrorHook errorHook = nullptr;

}  // namespace

void SetRuntimeErrorHook(RuntimeErrorHook hook) noexcept {
    errorHook = hook;
}

void ShowRuntimeErrorAndEnd(const std::string& text) noexcept {
    if (errorHook != nullptr) {
        errorHook(text.c_str());
    } else {
        std::fputs(text.c_str(), stderr);
        std::fflush(stderr);
    }
    std::_Exit(255);
}

}  // namespace velmora
