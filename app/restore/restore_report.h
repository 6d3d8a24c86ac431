// The restore report: what the restore could not do, typed into a new Notepad window.
#pragma once

namespace velmora {

// Types the report of UnrestoredShortcuts, MissingFiles and NotLandedIcons into the Notepad it starts.
// When that cannot be done the report is shown in a message box instead, so the user always learns
// it; the result then is false.
bool ShowRestoreReport() noexcept;

}  // namespace velmora
