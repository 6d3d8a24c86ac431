// Template data compiled from a form source, as the form compiler emits it into the program.
//
// Routine addresses are known only once the program is linked, so the compiled bytes cannot hold the
// routine offsets themselves: at each routine site (a binding's routine field) they hold the routine's
// number in `routines`. LinkCompiledForm turns that number into the routine's offset from the program's
// code base, which gives exactly the template data that the reader relocates back into addresses.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

// Any routine of the program; the event dispatcher calls it through its real type.
using FormRoutine = void (*)();

struct CompiledForm {
    std::span<const uint8_t> bytes;
    std::span<const uint32_t> routineSites;
    std::span<const FormRoutine> routines;
    std::span<const char* const> routineNames;
};

// False when a site or routine number lies outside the compiled data, a routine offset would read as
// "no routine", or memory runs out.
bool LinkCompiledForm(const CompiledForm& form, uint32_t codeBase, std::vector<uint8_t>& data) noexcept;

}  // namespace velmora
