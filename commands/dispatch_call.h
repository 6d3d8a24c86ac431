// Late-bound calls on automation objects through their type information.
#pragma once

#include <cstdint>

#include "commands/object_value.h"
#include "runtime/value.h"

namespace velmora {

enum class CallKind { kPropertyPut, kMethod };

// Status codes of a call: 0 on success.
enum CallStatus : int32_t {
    kCallOk = 0,
    kNoObject = -1,
    kNoDispatch = -2,
    kMemberNotFound = -3,
    kNoTypeInfo = -4,
    kTooManyArguments = -5,
    kUnsupportedArgument = -7,
    kResultNotConvertible = -8,
    kBadParamCount = -9,
    kBadVarType = -10,
    kException = -11,
    kDispatchMemberNotFound = -12,
    kNoNamedArgs = -13,
    kOverflow = -14,
    kParamNotFound = -15,
    kTypeMismatch = -16,
    kParamNotOptional = -17,
    kOtherFailure = -18,
};

// Calls the member with the values (in program order). When objectResult is given, the call's result
// becomes a new object value there (empty on any failure). The status is also kept as the thread's
// last call status.
int32_t DispatchCall(const ObjectValue& object,
                     const char* member,
                     const ValueRecord* values,
                     int32_t count,
                     CallKind kind,
                     ObjectValue* objectResult) noexcept;

int32_t LastCallStatus() noexcept;

}  // namespace velmora
