#include "commands/dispatch_call.h"

#include <oleauto.h>
#include <windows.h>

#include <algorithm>
#include <span>

#include "commands/bound_member.h"
#include "commands/com_ptr.h"
#include "commands/variant_arguments.h"
#include "commands/wide_text.h"

namespace velmora {
namespace {

thread_local int32_t lastCallStatus = 0;

constexpr WORD kPutFlags[] = {INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF, INVOKE_FUNC};
constexpr WORD kMethodFlags[] = {INVOKE_FUNC, INVOKE_PROPERTYGET, INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF};

// What the bound description says about the member.
struct MemberShape {
    MEMBERID id;
    WORD invokeFlags;
    int32_t parameterCount;
    bool variableArguments;
    const ELEMDESC* parameters;  // null for a variable: then variableType is its one parameter's type
    TYPEDESC variableType;
};

bool IsInterfaceOrArray(VARTYPE type) noexcept {
    return type == VT_DISPATCH || type == VT_UNKNOWN || type == VT_SAFEARRAY || (type & VT_ARRAY) != 0;
}

MemberShape ShapeOf(const BoundMember& bound, CallKind kind) noexcept {
    if (const FUNCDESC* function = bound.function()) {
        return {function->memid,
                static_cast<WORD>(function->invkind),
                function->cParams,
                function->cParamsOpt == -1,
                function->lprgelemdescParam,
                {}};
    }
    const VARDESC* variable = bound.variable();
    if (kind == CallKind::kPropertyPut) {
        const VARTYPE type = variable->elemdescVar.tdesc.vt;
        return {variable->memid,
                static_cast<WORD>(IsInterfaceOrArray(type) ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT),
                1,
                false,
                nullptr,
                variable->elemdescVar.tdesc};
    }
    return {variable->memid, DISPATCH_PROPERTYGET, 0, false, nullptr, {}};
}

DeclaredParameter DeclaredAt(const MemberShape& shape, int32_t index) noexcept {
    if (shape.parameters == nullptr) {
        return {shape.variableType.vt, false, false};
    }
    const ELEMDESC& element = shape.parameters[std::min(index, shape.parameterCount - 1)];
    const TYPEDESC& type = element.tdesc;
    const bool output = (element.paramdesc.wParamFlags & PARAMFLAG_FOUT) != 0;
    if (type.vt == VT_PTR && type.lptdesc != nullptr) {
        return {type.lptdesc->vt, true, output};
    }
    if ((type.vt & VT_BYREF) != 0) {
        return {static_cast<VARTYPE>(type.vt & ~VT_BYREF), true, output};
    }
    return {type.vt, false, output};
}

int32_t StatusOfFailure(HRESULT result) noexcept {
    switch (result) {
        case DISP_E_BADPARAMCOUNT:
            return kBadParamCount;
        case DISP_E_BADVARTYPE:
            return kBadVarType;
        case DISP_E_EXCEPTION:
            return kException;
        case DISP_E_MEMBERNOTFOUND:
            return kDispatchMemberNotFound;
        case DISP_E_NONAMEDARGS:
            return kNoNamedArgs;
        case DISP_E_OVERFLOW:
            return kOverflow;
        case DISP_E_PARAMNOTFOUND:
            return kParamNotFound;
        case DISP_E_TYPEMISMATCH:
            return kTypeMismatch;
        case DISP_E_PARAMNOTOPTIONAL:
            return kParamNotOptional;
        default:
            return kOtherFailure;
    }
}

// A VARIANT that is cleared when it goes.
class ResultVariant {
  public:
    ResultVariant() noexcept { VariantInit(&value_); }
    ~ResultVariant() { VariantClear(&value_); }
    ResultVariant(const ResultVariant&) = delete;
    ResultVariant& operator=(const ResultVariant&) = delete;

    VARIANT* get() noexcept { return &value_; }

  private:
    VARIANT value_;
};

// The call's result as a new object value; a record stays a record.
int32_t TakeObject(VARIANT& result, ObjectValue& object) noexcept {
    if (result.vt == VT_RECORD) {
        object = {result.pRecInfo, result.pvRecord};
        VariantInit(&result);
        return kCallOk;
    }
    if (FAILED(VariantChangeType(&result, &result, 0, VT_UNKNOWN))) {
        return kResultNotConvertible;
    }
    object = {result.punkVal, nullptr};
    VariantInit(&result);
    return kCallOk;
}

int32_t Call(const ObjectValue& object,
             const char* member,
             const ValueRecord* values,
             int32_t count,
             CallKind kind,
             ObjectValue* objectResult) noexcept {
    WideText name(member);
    if (object.object == nullptr) {
        return kNoObject;
    }
    ComPtr<IDispatch> dispatch;
    if (FAILED(object.object->QueryInterface(IID_IDispatch, dispatch.putVoid()))) {
        return kNoDispatch;
    }
    ComPtr<ITypeInfo> typeInfo;
    ComPtr<ITypeComp> typeComp;
    if (FAILED(dispatch->GetTypeInfo(0, GetUserDefaultLCID(), typeInfo.put())) ||
        FAILED(typeInfo->GetTypeComp(typeComp.put()))) {
        return kNoTypeInfo;
    }
    const ULONG hash = LHashValOfNameSys(SYS_WIN32, GetUserDefaultLCID(), name.get());
    const std::span<const WORD> flags =
        kind == CallKind::kPropertyPut ? std::span<const WORD>(kPutFlags) : std::span<const WORD>(kMethodFlags);
    BoundMember bound;
    bool found = false;
    for (const WORD flag : flags) {
        if (bound.Bind(typeComp.get(), name.get(), hash, flag)) {
            found = true;
            break;
        }
    }
    if (!found) {
        return kMemberNotFound;
    }
    const MemberShape shape = ShapeOf(bound, kind);

    while (count > 0 && values[count - 1].type == kTypeNone) {
        --count;
    }
    if (count > shape.parameterCount && !(shape.variableArguments && shape.parameterCount > 0)) {
        return kTooManyArguments;
    }
    VariantArguments arguments(count);
    for (int32_t i = 0; i < count; ++i) {
        if (values[i].type == kTypeNone) {
            arguments.SetMissing(i);
        } else if (const int32_t status = arguments.Set(i, values[i], DeclaredAt(shape, i)); status != kCallOk) {
            return status;
        }
    }
    DISPID putName = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{arguments.get(), nullptr, static_cast<UINT>(count), 0};
    if (kind == CallKind::kPropertyPut) {
        parameters.rgdispidNamedArgs = &putName;
        parameters.cNamedArgs = 1;
    }
    ResultVariant result;
    UINT argumentError = 0;
    const HRESULT invoked = dispatch->Invoke(shape.id, IID_NULL, GetUserDefaultLCID(), shape.invokeFlags, &parameters,
                                             result.get(), nullptr, &argumentError);
    if (FAILED(invoked)) {
        return StatusOfFailure(invoked);
    }
    arguments.WriteBack();
    return objectResult == nullptr ? kCallOk : TakeObject(*result.get(), *objectResult);
}

}  // namespace

int32_t DispatchCall(const ObjectValue& object,
                     const char* member,
                     const ValueRecord* values,
                     int32_t count,
                     CallKind kind,
                     ObjectValue* objectResult) noexcept {
    if (objectResult != nullptr) {
        *objectResult = {};
    }
    lastCallStatus = Call(object, member, values, count, kind, objectResult);
    if (lastCallStatus != kCallOk && objectResult != nullptr) {
        ClearObjectValue(*objectResult);
    }
    return lastCallStatus;
}

int32_t LastCallStatus() noexcept {
    return lastCallStatus;
}

}  // namespace velmora
