#include "runtime/library_call.h"

namespace velmora {
namespace {

ValueRecord CallLibraryCommand(LibraryCommand command, int32_t argCount, ValueRecord* args) {
    ValueRecord result{};
    command(&result, argCount, args);
    return result;
}

}  // namespace

ValueRecord CallLibraryCommandA(LibraryCommand command, int32_t argCount, ValueRecord* args) noexcept {
    return CallLibraryCommand(command, argCount, args);
}

ValueRecord CallLibraryCommandB(LibraryCommand command, int32_t argCount, ValueRecord* args) noexcept {
    return CallLibraryCommand(command, argCount, args);
}

}  // namespace velmora
