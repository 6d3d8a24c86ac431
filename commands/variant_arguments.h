// The argument block of a dispatch call: program values converted to VARIANTs, last value first, with
// by-reference values held in a second block and written back into the program's variables.
#pragma once

#include <oaidl.h>

#include <cstdint>

#include "commands/heap_buffer.h"
#include "runtime/value.h"

namespace velmora {

struct DeclaredParameter {
    VARTYPE type;  // a VT_PTR parameter is recorded as the type it points to, with byReference set
    bool byReference;
    bool output;
};

class VariantArguments {
  public:
    explicit VariantArguments(int32_t count) noexcept;
    ~VariantArguments();
    VariantArguments(const VariantArguments&) = delete;
    VariantArguments& operator=(const VariantArguments&) = delete;

    // Converts the index-th program value (0 = the first); returns 0 or the status -7.
    int32_t Set(int32_t index, const ValueRecord& value, const DeclaredParameter& declared) noexcept;
    // An omitted value in the middle: the callee applies its default.
    void SetMissing(int32_t index) noexcept;
    // Writes the by-reference output values back into the program's variables.
    void WriteBack() noexcept;

    VARIANT* get() noexcept { return reinterpret_cast<VARIANT*>(variants_.get()); }

  private:
    struct Reference {
        VARIANT held;        // what a by-reference VARIANT points to
        uintptr_t variable;  // address of the program variable, or 0
        uint32_t type;       // the variable's type code
        bool output;
        bool borrowedRecord;  // a VT_RECORD in held points into the program's data
    };

    VARIANT& ValueAt(int32_t index) noexcept { return get()[count_ - 1 - index]; }
    Reference& ReferenceAt(int32_t index) noexcept { return reinterpret_cast<Reference*>(references_.get())[index]; }

    int32_t count_;
    HeapBuffer variants_;
    HeapBuffer references_;
    HeapBuffer borrowed_;  // one flag per VARIANT of variants_, in its order
};

}  // namespace velmora
