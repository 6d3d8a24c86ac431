// A probe program's report: short tokens appended to the file named on its command line, which the
// test that started the probe reads once it has ended.
#pragma once

#include <string>

namespace velmora {

void SetReportFile(const std::string& path);
void Report(const std::string& text);

}  // namespace velmora
