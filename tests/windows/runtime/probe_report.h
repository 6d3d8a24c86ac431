// The probe's report: short tokens appended to the file named on its command line.
#pragma once

#include <string>

namespace velmora {

void SetReportFile(const std::string& path);
void Report(const std::string& text);

}  // namespace velmora
