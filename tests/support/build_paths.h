// Where the tests find the programs they start: the build trees, named by the environment that ctest sets.
#pragma once

#include <string>

namespace velmora::test {

// "/a/b" -> "Z:\a\b": Wine maps the Unix root to drive Z.
std::string WindowsPathOf(const std::string& unixPath);
// A file of the 32-bit build tree (VELMORA_BUILD), as a Windows path.
std::string BuildFile(const std::string& relative);
// A file of the 64-bit build tree (VELMORA_BUILD64), as a Windows path.
std::string Build64File(const std::string& relative);
// A new empty directory under the system's temporary directory, as a Windows path.
std::string MakeScratchDirectory(const std::string& prefix);

}  // namespace velmora::test
