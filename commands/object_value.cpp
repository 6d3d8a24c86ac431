#include "commands/object_value.h"

#include "runtime/heap.h"

namespace velmora {

ObjectValue* ObjectVariable(const ValueRecord& value) noexcept {
    if (value.type != (kTypeObject | kReferenceFlag) || value.low == 0) {
        return nullptr;
    }
    return reinterpret_cast<ObjectValue*>(static_cast<uintptr_t>(value.low));
}

ObjectValue ObjectArgument(const ValueRecord& value) noexcept {
    if (const ObjectValue* variable = ObjectVariable(value)) {
        return *variable;
    }
    if (value.type != kTypeObject) {
        return {};
    }
    return {reinterpret_cast<IUnknown*>(static_cast<uintptr_t>(value.low)),
            reinterpret_cast<void*>(static_cast<uintptr_t>(value.high))};
}

void ClearObjectValue(ObjectValue& value) noexcept {
    if (value.object != nullptr) {
        if (value.record != nullptr) {
            static_cast<IRecordInfo*>(value.object)->RecordDestroy(value.record);
            value.record = nullptr;
        }
        value.object->Release();
        value.object = nullptr;
    } else if (value.record != nullptr) {
        HeapRelease(value.record);
        value.record = nullptr;
    }
}

}  // namespace velmora
