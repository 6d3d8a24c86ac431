// What the stand-in shell desktop and the tests agree on.
#pragma once

#include <windows.h>

namespace standin {

// Set on every top-level window of the stand-in once its items stand at their fixture positions.
inline constexpr char kReadyProperty[] = "VelmoraStandInReady";

// Sent to a top-level window of the stand-in: it writes every item of every view to its --report file
// and returns 1. Lines are "view<TAB>index<TAB>caption<TAB>left,top,right,bottom<TAB>x,y" in GBK, CR LF.
inline constexpr UINT kReportMessage = WM_APP + 1;

}  // namespace standin
