#include "tests/support/probe_report.h"

#include <cstdio>

namespace velmora {
namespace {

std::string reportFile;

}  // namespace

void SetReportFile(const std::string& path) {
    reportFile = path;
}

// Opened and closed per token: the process may end with ExitProcess at any point, which flushes nothing.
void Report(const std::string& text) {
    if (reportFile.empty()) {
        return;
    }
    if (FILE* file = std::fopen(reportFile.c_str(), "ab"); file != nullptr) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

}  // namespace velmora
