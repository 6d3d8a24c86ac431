// The tool as the runtime sees it: its header, its entry routine and its window engine.
#include "app/dll_commands.h"
#include "app/entry_routine.h"
#include "app/libraries.h"
#include "runtime/forms/compiled_form.h"
#include "runtime/forms/forms_window_engine.h"
#include "runtime/forms/linked_template_data.h"
#include "runtime/program_header.h"

namespace velmora {

extern const CompiledForm kMainForm;

namespace {

constexpr uint32_t kBuildMode = 3;
constexpr uint32_t kHighestIdentifier = 0x10499;

// Event bindings are offsets from the code base, in the template data as in the header.
const void* const kCodeBase = reinterpret_cast<const void*>(&EntryRoutine);
// Linked while static data is initialised, so before the header below and before any runtime code.
const LinkedTemplateData kTemplateData(kMainForm, kCodeBase);

const ProgramHeader kHeader = {
    kBuildMode,
    0,
    kHighestIdentifier,
    kCodeBase,
    nullptr,
    0,
    kTemplateData.Data(),
    kTemplateData.Size(),
    kToolLibraryCount,
    kToolLibraries,
    kDllCommandCount,
    kDllFileNames.data(),
    kDllCommandNames.data(),
};

}  // namespace

const ProgramImage kProgramImage = {&kHeader, EntryRoutine, &kFormsWindowEngine};

}  // namespace velmora
