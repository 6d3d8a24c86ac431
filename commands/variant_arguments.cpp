#include "commands/variant_arguments.h"

#include <oleauto.h>

#include <cstring>

#include "commands/command_values.h"
#include "commands/object_value.h"
#include "commands/wide_text.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

// A program value as a VARIANT; borrowedRecord tells that a VT_RECORD points into the program's data.
bool ToVariant(const ValueRecord& value, VARTYPE declared, VARIANT& out, bool& borrowedRecord) noexcept {
    VariantInit(&out);
    borrowedRecord = false;
    switch (value.type) {
        case kTypeBoolean:
            out.vt = VT_BOOL;
            out.boolVal = value.low != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            return true;
        case kTypeDateTime:
            out.vt = VT_DATE;
            out.date = ArgDouble(value);
            return true;
        case kTypeText: {
            WideText wide(ArgText(value));
            out.vt = VT_BSTR;
            out.bstrVal = SysAllocString(wide.get());
            return true;
        }
        case kTypeByte:
            out.vt = VT_UI1;
            out.bVal = static_cast<BYTE>(value.low);
            return true;
        case kTypeShort:
            out.vt = VT_I2;
            out.iVal = static_cast<SHORT>(value.low);
            return true;
        case kTypeInteger:
        case kTypeLong:
            out.vt = VT_I4;
            out.lVal = static_cast<LONG>(value.low);
            return true;
        case kTypeFloat:
            out.vt = VT_R4;
            out.fltVal = static_cast<float>(ArgDouble(value));
            return true;
        case kTypeDouble:
            out.vt = VT_R8;
            out.dblVal = ArgDouble(value);
            return true;
        case kTypeVariant: {
            auto* source = reinterpret_cast<VARIANT*>(static_cast<uintptr_t>(value.low));
            return source == nullptr || SUCCEEDED(VariantCopyInd(&out, source));
        }
        case kTypeObject: {
            const ObjectValue object = ObjectArgument(value);
            if (object.record != nullptr) {
                out.vt = VT_RECORD;
                out.pvRecord = object.record;
                out.pRecInfo = static_cast<IRecordInfo*>(object.object);
                borrowedRecord = true;
                return true;
            }
            IDispatch* dispatch = nullptr;
            if (declared != VT_UNKNOWN && object.object != nullptr &&
                SUCCEEDED(object.object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
                out.vt = VT_DISPATCH;
                out.pdispVal = dispatch;
                return true;
            }
            if (declared == VT_DISPATCH && object.object != nullptr) {
                return false;
            }
            out.vt = VT_UNKNOWN;
            out.punkVal = object.object;
            if (object.object != nullptr) {
                object.object->AddRef();
            }
            return true;
        }
        default:
            return false;
    }
}

// The value stored in a program variable of the type, as a value record.
bool ReadVariable(uintptr_t address, uint32_t type, ValueRecord& value) noexcept {
    value = {0, 0, type};
    switch (type) {
        case kTypeByte:
            value.low = *reinterpret_cast<const uint8_t*>(address);
            return true;
        case kTypeShort:
            value.low = *reinterpret_cast<const uint16_t*>(address);
            return true;
        case kTypeInteger:
        case kTypeBoolean:
        case kTypeFloat:
        case kTypeText:
        case kTypeVariant:
            std::memcpy(&value.low, reinterpret_cast<const void*>(address), 4);
            return true;
        case kTypeLong:
        case kTypeDouble:
        case kTypeDateTime:
        case kTypeObject:
            std::memcpy(&value.low, reinterpret_cast<const void*>(address), 8);
            return true;
        default:
            return false;
    }
}

VARTYPE VariantTypeOf(uint32_t type) noexcept {
    switch (type) {
        case kTypeByte:
            return VT_UI1;
        case kTypeShort:
            return VT_I2;
        case kTypeInteger:
            return VT_I4;
        case kTypeLong:
            return VT_I8;
        case kTypeFloat:
            return VT_R4;
        case kTypeDouble:
            return VT_R8;
        case kTypeDateTime:
            return VT_DATE;
        case kTypeBoolean:
            return VT_BOOL;
        case kTypeText:
            return VT_BSTR;
        case kTypeObject:
            return VT_UNKNOWN;
        default:
            return VT_EMPTY;
    }
}

// Stores a converted VARIANT into the program variable, releasing what the variable held.
void StoreVariable(uintptr_t address, uint32_t type, const VARIANT& converted) noexcept {
    auto* target = reinterpret_cast<void*>(address);
    switch (type) {
        case kTypeText: {
            auto** text = static_cast<char**>(target);
            HeapRelease(*text);
            *text = NarrowText(converted.bstrVal, static_cast<int>(SysStringLen(converted.bstrVal)));
            break;
        }
        case kTypeBoolean: {
            const int32_t flag = converted.boolVal != VARIANT_FALSE ? 1 : 0;
            std::memcpy(target, &flag, sizeof flag);
            break;
        }
        case kTypeObject: {
            auto* object = static_cast<ObjectValue*>(target);
            ClearObjectValue(*object);
            object->object = converted.punkVal;
            if (object->object != nullptr) {
                object->object->AddRef();
            }
            break;
        }
        case kTypeByte:
            std::memcpy(target, &converted.bVal, 1);
            break;
        case kTypeShort:
            std::memcpy(target, &converted.iVal, 2);
            break;
        case kTypeInteger:
        case kTypeFloat:
            std::memcpy(target, &converted.lVal, 4);
            break;
        default:
            std::memcpy(target, &converted.llVal, 8);
            break;
    }
}

void ClearVariant(VARIANT& value, bool borrowedRecord) noexcept {
    if (borrowedRecord) {
        VariantInit(&value);
    } else {
        VariantClear(&value);
    }
}

}  // namespace

VariantArguments::VariantArguments(int32_t count) noexcept : count_(count) {
    if (count == 0) {
        return;
    }
    const auto size = static_cast<uint32_t>(count);
    auto* values = reinterpret_cast<VARIANT*>(variants_.Grow(size * sizeof(VARIANT)));
    auto* references = reinterpret_cast<Reference*>(references_.Grow(size * sizeof(Reference)));
    std::memset(borrowed_.Grow(size), 0, size);
    for (uint32_t i = 0; i < size; ++i) {
        VariantInit(&values[i]);
        references[i] = Reference{};
        VariantInit(&references[i].held);
    }
}

VariantArguments::~VariantArguments() {
    for (int32_t i = 0; i < count_; ++i) {
        ClearVariant(get()[i], borrowed_.get()[i] != 0);
        ClearVariant(ReferenceAt(i).held, ReferenceAt(i).borrowedRecord);
    }
}

void VariantArguments::SetMissing(int32_t index) noexcept {
    VARIANT& slot = ValueAt(index);
    slot.vt = VT_ERROR;
    slot.scode = DISP_E_PARAMNOTFOUND;
}

int32_t VariantArguments::Set(int32_t index, const ValueRecord& value, const DeclaredParameter& declared) noexcept {
    ValueRecord direct = value;
    uintptr_t variable = 0;
    if ((value.type & kReferenceFlag) != 0) {
        variable = value.low;
        if (variable == 0 || !ReadVariable(variable, value.type & ~kReferenceFlag, direct)) {
            return -7;
        }
    }
    bool borrowed = false;
    if (variable == 0 || !declared.byReference) {
        if (!ToVariant(direct, declared.type, ValueAt(index), borrowed)) {
            return -7;
        }
        borrowed_.get()[count_ - 1 - index] = borrowed ? 1 : 0;
        return 0;
    }
    Reference& reference = ReferenceAt(index);
    if (!ToVariant(direct, declared.type, reference.held, reference.borrowedRecord)) {
        return -7;
    }
    reference.variable = variable;
    reference.type = value.type & ~kReferenceFlag;
    reference.output = declared.output;
    VARIANT& slot = ValueAt(index);
    if (declared.type == VT_VARIANT) {
        slot.vt = VT_BYREF | VT_VARIANT;
        slot.pvarVal = &reference.held;
        return 0;
    }
    if (!reference.borrowedRecord && FAILED(VariantChangeType(&reference.held, &reference.held, 0, declared.type))) {
        return -7;
    }
    slot.vt = static_cast<VARTYPE>(VT_BYREF | reference.held.vt);
    slot.byref = &reference.held.llVal;
    return 0;
}

void VariantArguments::WriteBack() noexcept {
    for (int32_t i = 0; i < count_; ++i) {
        Reference& reference = ReferenceAt(i);
        if (reference.variable == 0 || !reference.output || (ValueAt(i).vt & VT_BYREF) == 0 ||
            VariantTypeOf(reference.type) == VT_EMPTY) {
            continue;
        }
        VARIANT converted;
        VariantInit(&converted);
        if (SUCCEEDED(VariantChangeType(&converted, &reference.held, 0, VariantTypeOf(reference.type)))) {
            StoreVariable(reference.variable, reference.type, converted);
        }
        VariantClear(&converted);
    }
}

}  // namespace velmora
