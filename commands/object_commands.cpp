#include "commands/object_commands.h"

#include "commands/command_values.h"
#include "commands/dispatch_call.h"
#include "commands/object_creation.h"
#include "commands/object_value.h"

namespace velmora {

void ObjectCreate(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetBoolean(result, false);
    ObjectValue* variable = ObjectVariable(Arg(argCount, args, 0));
    const ValueRecord& typeLibrary = Arg(argCount, args, 2);
    if (variable == nullptr) {
        return;
    }
    ComPtr<IUnknown> created =
        CreateNamedObject(ArgText(Arg(argCount, args, 1)), IsOmitted(typeLibrary) ? nullptr : ArgText(typeLibrary));
    if (!created) {
        return;
    }
    ClearObjectValue(*variable);
    variable->object = created.release();
    SetBoolean(result, true);
}

void ObjectCallForObject(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    ObjectValue called{};
    DispatchCall(ObjectArgument(Arg(argCount, args, 0)), ArgText(Arg(argCount, args, 1)), args + 2,
                 argCount > 2 ? argCount - 2 : 0, CallKind::kMethod, &called);
    result->low = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(called.object));
    result->high = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(called.record));
    result->type = kTypeObject;
}

void ObjectSetProperty(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const int32_t status = DispatchCall(ObjectArgument(Arg(argCount, args, 0)), ArgText(Arg(argCount, args, 1)),
                                        args + 2, argCount > 2 ? argCount - 2 : 0, CallKind::kPropertyPut, nullptr);
    SetBoolean(result, status == kCallOk);
}

void ObjectClear(ValueRecord*, int32_t argCount, ValueRecord* args) noexcept {
    if (ObjectValue* variable = ObjectVariable(Arg(argCount, args, 0))) {
        ClearObjectValue(*variable);
    }
}

void ObjectIsEmpty(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetBoolean(result, ObjectArgument(Arg(argCount, args, 0)).object == nullptr);
}

}  // namespace velmora
