// The hidden top-level window "_QV_HideOwner": the owner of top-level windows created without one,
// and the way another thread hands the end of the program to the main thread.
#pragma once

#include <windows.h>

namespace velmora {

constexpr UINT kEndProgramMessage = 0x83E7;  // wParam: exit code

bool CreateHiddenOwnerWindow() noexcept;
void DestroyHiddenOwnerWindow() noexcept;
HWND HiddenOwnerWindow() noexcept;

}  // namespace velmora
