// Typed DLL commands. A declaration carries the function type of the Windows prototype it names, so
// a call with arguments that do not fit that prototype does not compile.
#pragma once

#include <cstdint>
#include <utility>

#include "runtime/dll_commands.h"

namespace velmora {

// Function is the declared function's own type, e.g. decltype(::FindWindowA), calling convention
// included.
template <typename Function>
struct DllCommand {
    int32_t index;
    const char* fileName;
    const char* commandName;
};

// The stack-height check after a DLL call exists to catch a declaration whose argument list differs
// from the function's; here the compiler builds every call from the function's own prototype, so the
// callee always pops exactly what was pushed and there is nothing left to check.
template <typename Function, typename... Args>
decltype(auto) CallDllCommand(const DllCommand<Function>& command, Args&&... args) noexcept {
    auto* function = reinterpret_cast<Function*>(ResolveDllCommand(command.index));
    return function(std::forward<Args>(args)...);
}

}  // namespace velmora
