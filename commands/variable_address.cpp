#include "commands/command_values.h"
#include "commands/shell_commands.h"

namespace velmora {

// The argument arrives by reference, so its first word is the address of the program's variable.
void VariableAddress(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetInteger(result, static_cast<int32_t>(Arg(argCount, args, 0).low));
}

}  // namespace velmora
