// Writes compiled template data as a C++ source file defining a CompiledForm.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/template_writer.h"

namespace velmora {

struct CppOutputOptions {
    std::string symbol;          // the CompiledForm's name in namespace velmora
    std::string sourceName;      // the form source, named in the file's first comment
    std::string routinesHeader;  // included to declare the bound routines; empty when none are bound
};

std::string WriteCompiledFormSource(const TemplateData& data,
                                    const std::vector<std::string>& routineNames,
                                    const CppOutputOptions& options);

}  // namespace velmora
