// A member bound by name through ITypeComp, with the description it found.
#pragma once

#include <oaidl.h>

#include "commands/com_ptr.h"

namespace velmora {

class BoundMember {
  public:
    BoundMember() noexcept = default;
    ~BoundMember();
    BoundMember(const BoundMember&) = delete;
    BoundMember& operator=(const BoundMember&) = delete;

    // True when a function or variable description was found with these INVOKEKIND flags.
    bool Bind(ITypeComp* typeComp, LPOLESTR name, ULONG hash, WORD flags) noexcept;

    const FUNCDESC* function() const noexcept { return kind_ == DESCKIND_FUNCDESC ? bound_.lpfuncdesc : nullptr; }
    const VARDESC* variable() const noexcept {
        return kind_ == DESCKIND_VARDESC || kind_ == DESCKIND_IMPLICITAPPOBJ ? bound_.lpvardesc : nullptr;
    }

  private:
    void reset() noexcept;

    ComPtr<ITypeInfo> info_;
    DESCKIND kind_ = DESCKIND_NONE;
    BINDPTR bound_{};
};

}  // namespace velmora
