#include "runtime/runtime_error.h"

#include "runtime/runtime_error_report.h"
#include "runtime/runtime_error_text.h"

namespace velmora {
namespace {

RecordTagFinder recordTagFinder = nullptr;

}  // namespace

void SetRecordTagFinder(RecordTagFinder finder) noexcept {
    recordTagFinder = finder;
}

void RaiseRuntimeError(int32_t code, uint32_t identifier, uint32_t position) noexcept {
    ReportRuntimeError(RuntimeErrorMessage(code), code, identifier, position);
}

// Building the text allocates from the C++ free store, not the value heap, so even a report of a
// failed value allocation has room to be written; if not even that is left, the process ends.
void ReportRuntimeError(const char* message, int32_t code, uint32_t first, uint32_t second) noexcept {
    ShowRuntimeErrorAndEnd(BuildRuntimeErrorText(message, code, first, second, recordTagFinder));
}

void ReportAllocationFailure(uint32_t size) noexcept {
    ReportRuntimeError(AllocationFailureMessage(size).c_str(), 0, 0, 0);
}

}  // namespace velmora
