#include "runtime/constant_data.h"

namespace velmora {
namespace {

// Addresses as integers: the block and the pointer tested are unrelated objects.
uintptr_t constantStart = 0;
uintptr_t constantEnd = 0;

}  // namespace

void SetConstantData(const void* start, uint32_t size) noexcept {
    constantStart = reinterpret_cast<uintptr_t>(start);
    constantEnd = constantStart + size;
}

void ForgetConstantData() noexcept {
    constantStart = 0;
    constantEnd = 0;
}

bool IsConstantData(const void* pointer) noexcept {
    const auto address = reinterpret_cast<uintptr_t>(pointer);
    return address >= constantStart && address < constantEnd;
}

uint32_t ConstantBytesFrom(const void* pointer) noexcept {
    if (!IsConstantData(pointer)) {
        return 0;
    }
    return static_cast<uint32_t>(constantEnd - reinterpret_cast<uintptr_t>(pointer));
}

}  // namespace velmora
