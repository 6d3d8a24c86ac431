#include "commands/bound_member.h"

namespace velmora {

BoundMember::~BoundMember() {
    reset();
}

void BoundMember::reset() noexcept {
    switch (kind_) {
        case DESCKIND_FUNCDESC:
            info_->ReleaseFuncDesc(bound_.lpfuncdesc);
            break;
        case DESCKIND_VARDESC:
        case DESCKIND_IMPLICITAPPOBJ:
            info_->ReleaseVarDesc(bound_.lpvardesc);
            break;
        case DESCKIND_TYPECOMP:
            bound_.lptcomp->Release();
            break;
        default:
            break;
    }
    kind_ = DESCKIND_NONE;
    bound_ = {};
    info_.reset();
}

bool BoundMember::Bind(ITypeComp* typeComp, LPOLESTR name, ULONG hash, WORD flags) noexcept {
    reset();
    if (FAILED(typeComp->Bind(name, hash, flags, info_.put(), &kind_, &bound_))) {
        kind_ = DESCKIND_NONE;
        bound_ = {};
        info_.reset();
        return false;
    }
    return function() != nullptr || variable() != nullptr;
}

}  // namespace velmora
