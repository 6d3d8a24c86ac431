// velmora_form_compiler SOURCE OUTPUT SYMBOL [ROUTINES_HEADER]
// Compiles a form source into a C++ file that defines the CompiledForm SYMBOL.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "runtime/forms/template_writer.h"
#include "tools/form_compiler/cpp_output.h"
#include "tools/form_compiler/form_source.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return !file.bad();
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return static_cast<bool>(file);
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: velmora_form_compiler SOURCE OUTPUT SYMBOL [ROUTINES_HEADER]\n");
        return 2;
    }
    const std::string sourcePath = argv[1];
    std::string text;
    if (!ReadFile(sourcePath, text)) {
        std::fprintf(stderr, "%s: cannot read the form source\n", sourcePath.c_str());
        return 1;
    }
    velmora::CompiledSource compiled;
    std::string error;
    if (!velmora::CompileFormSource(text, compiled, error)) {
        std::fprintf(stderr, "%s: %s\n", sourcePath.c_str(), error.c_str());
        return 1;
    }
    velmora::CppOutputOptions options;
    options.symbol = argv[3];
    options.sourceName = FileName(sourcePath);
    options.routinesHeader = argc == 5 ? argv[4] : "";
    if (!compiled.routineNames.empty() && options.routinesHeader.empty()) {
        std::fprintf(stderr, "%s: the form binds routines; name the header that declares them\n", sourcePath.c_str());
        return 1;
    }
    const velmora::TemplateData data = velmora::WriteTemplateData(compiled.windows);
    if (!WriteFile(argv[2], velmora::WriteCompiledFormSource(data, compiled.routineNames, options))) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
