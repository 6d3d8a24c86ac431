// Creating an automation object by class name in a type library, by ProgID or by {CLSID}.
#pragma once

#include <unknwn.h>

#include "commands/com_ptr.h"

namespace velmora {

// typeLibrary may be null. The result is running (OleRun) or empty.
ComPtr<IUnknown> CreateNamedObject(const char* name, const char* typeLibrary) noexcept;

}  // namespace velmora
