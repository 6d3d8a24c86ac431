#include "runtime/runtime_service.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/array_block.h"
#include "runtime/end_program.h"
#include "runtime/heap.h"
#include "runtime/idle_callbacks.h"
#include "runtime/message_loop.h"
#include "runtime/nested_calls.h"
#include "runtime/numeric_conversion.h"
#include "runtime/open_file_table.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

constexpr int32_t kRuntimeVersion = 0x70005;

template <typename T>
T* As(uint32_t value) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(value));
}

int32_t Pointer(const void* pointer) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(pointer));
}

// Service 1002: (library number << 16) | unit number, both counted from 1.
const UnitDescriptor* FindUnitDescriptor(uint32_t unitType) {
    const uint32_t libraryNumber = unitType >> 16;
    const uint32_t unitNumber = unitType & 0xFFFF;
    const ProgramHeader& header = Header();
    if (libraryNumber == 0 || libraryNumber > static_cast<uint32_t>(header.libraryCount) || unitNumber == 0) {
        return nullptr;
    }
    const LibraryDescriptor* library = header.libraries[libraryNumber - 1];
    if (unitNumber > static_cast<uint32_t>(library->unitCount)) {
        return nullptr;
    }
    return &library->units[unitNumber - 1];
}

// Windows, events and their templates belong to the window engine; without one there is nothing to
// find, load or raise.
int32_t WindowService(int32_t code, uint32_t first, uint32_t second) {
    const WindowEngine* engine = Engine();
    if (engine == nullptr || engine->service == nullptr) {
        if (code == 2007) {
            ReportRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0, first, second);
        }
        return 0;
    }
    return engine->service(code, first, second);
}

}  // namespace

int32_t RuntimeService(int32_t code, uint32_t first, uint32_t second) noexcept {
    switch (code) {
        case 1001:
        case 2000:
        case 2005:
        case 2006:
        case 2007:
        case 2008:
        case 2017:
        case 2031:
        case 2032:
        case 2033:
            return WindowService(code, first, second);
        case 1002:
            return Pointer(FindUnitDescriptor(first));
        case 1004:
            return 1;
        case 1005:
            return kRuntimeVersion;
        case 1012:
            RegisterIdleCallback(*As<const IdleCallback>(first));
            return 0;
        case 1013:
            RemoveIdleCallback(As<HWND__>(first));
            return 0;
        case 2001:
            return NumericValueToInteger(*As<const ValueRecord>(first));
        case 2003:
            return Pointer(App().programDirectory.c_str());
        case 2004:
            return Pointer(App().programFileName.c_str());
        case 2009:
            ProcessPendingMessages();
            EnterNestedCall();
            return 0;
        case 2010:
            ProcessPendingMessages();
            LeaveNestedCall();
            return 0;
        case 2011:
            return OpenFileKind(first);
        case 2012:
            RegisterOpenFile(first, static_cast<uint8_t>(second));
            return 0;
        case 2013:
            return UnregisterOpenFile(first);
        case 2018:
            ProcessPendingMessages();
            return 0;
        case 2023:
            FreeArrayByElementType(first, As<void>(second));
            return 0;
        case 2024:
            return Pointer(second == 0 ? HeapAllocate(first) : HeapAllocateOrNull(first));
        case 2025:
            HeapRelease(As<void>(first));
            return 0;
        case 2026:
            return Pointer(HeapReallocate(As<void>(first), second));
        case 2027:
            ReportRuntimeError(As<const char>(first), 0, 0, 0);
        case 2028:
            EndProgram(static_cast<int32_t>(first));
        case 2030:
            return static_cast<int32_t>(App().buildMode);
        default:
            return 0;
    }
}

}  // namespace velmora
