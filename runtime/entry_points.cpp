#include "runtime/entry_points.h"

#include <windows.h>

#include <cstdarg>

#include "runtime/application.h"
#include "runtime/array_block.h"
#include "runtime/dll_commands.h"
#include "runtime/end_program.h"
#include "runtime/exit_routines.h"
#include "runtime/find_file.h"
#include "runtime/heap.h"
#include "runtime/init_runtime.h"
#include "runtime/library_call.h"
#include "runtime/message_loop.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

constexpr char kWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";

uint64_t PointerResult(const void* pointer) {
    return reinterpret_cast<uintptr_t>(pointer);
}

// Unit properties are reached through component objects, which only a window engine creates.
uint64_t DispatchReadUnitProperty(va_list args) {
    const auto unitType = va_arg(args, uint32_t);
    auto* object = va_arg(args, void*);
    const auto property = va_arg(args, int32_t);
    const auto element = va_arg(args, int32_t);
    const WindowEngine* engine = Engine();
    if (engine == nullptr || engine->readUnitProperty == nullptr) {
        return 0;
    }
    return engine->readUnitProperty(unitType, object, property, element);
}

void DispatchWriteUnitProperty(va_list args) {
    const auto unitType = va_arg(args, uint32_t);
    auto* object = va_arg(args, void*);
    const auto property = va_arg(args, int32_t);
    const auto element = va_arg(args, int32_t);
    const auto low = va_arg(args, uint32_t);
    const auto high = va_arg(args, uint32_t);
    if (const WindowEngine* engine = Engine(); engine != nullptr && engine->writeUnitProperty != nullptr) {
        engine->writeUnitProperty(unitType, object, property, element, low, high);
    }
}

uint64_t Dispatch(int32_t index, va_list args) {
    switch (index) {
        case kSupportFindFileNext: {
            const auto* pattern = va_arg(args, const char*);
            const auto mask = va_arg(args, uint32_t);
            const auto anyFile = va_arg(args, int32_t);
            auto* slot = va_arg(args, HANDLE*);
            return PointerResult(FindFileNext(pattern, mask, anyFile != 0, slot));
        }
        case kSupportFindFileClose:
            FindFileClose(va_arg(args, HANDLE));
            return 0;
        case kSupportMakeArrayWritable: {
            const auto elementSize = va_arg(args, uint32_t);
            MakeArrayWritable(elementSize, va_arg(args, void**));
            return 0;
        }
        case kSupportRegisterExitRoutine:
            RegisterExitRoutine(va_arg(args, ExitRoutine));
            return 0;
        case kSupportReadUnitProperty:
            return DispatchReadUnitProperty(args);
        case kSupportWriteUnitProperty:
            DispatchWriteUnitProperty(args);
            return 0;
        case kSupportInitRuntime:
            InitRuntime();
            return 0;
        default:
            return 0;
    }
}

}  // namespace

uint64_t SupportDispatch(int32_t index, ...) noexcept {
    va_list args;
    va_start(args, index);
    const uint64_t result = Dispatch(index, args);
    va_end(args);
    return result;
}

// Without a window engine no window template exists, which is the first thing a property access
// checks.
uint64_t ReadProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t element) noexcept {
    const WindowEngine* engine = Engine();
    if (engine == nullptr || engine->readProperty == nullptr) {
        ReportRuntimeError(kWindowNotLoaded, 0, windowId, componentId);
    }
    return engine->readProperty(windowId, componentId, property, element);
}

void WriteProperty(uint32_t windowId,
                   uint32_t componentId,
                   int32_t property,
                   int32_t element,
                   uint32_t low,
                   uint32_t high) noexcept {
    const WindowEngine* engine = Engine();
    if (engine == nullptr || engine->writeProperty == nullptr) {
        ReportRuntimeError(kWindowNotLoaded, 0, windowId, componentId);
    }
    engine->writeProperty(windowId, componentId, property, element, low, high);
}

const EntryPointTable kEntryPoints = {
    RaiseRuntimeError, ResolveDllCommand, CallLibraryCommandA, CallLibraryCommandB, ReadProperty,
    WriteProperty,     HeapAllocate,      HeapReallocate,      HeapRelease,         EndProgram,
    RunMessageLoop,    LoadStartupWindow, SupportDispatch,
};

}  // namespace velmora
