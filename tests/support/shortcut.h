// Shortcut files for test desktops, made through the shell link object as the shell itself makes them.
#pragma once

#include <string>

namespace velmora::test {

// COM must be initialised on the calling thread.
bool CreateShortcutFile(const std::string& linkPath, const std::string& targetPath);
// The target as the shell link object gives it back; empty when the file cannot be read.
std::string ReadShortcutTarget(const std::string& linkPath);
std::string ReadShortcutWorkingDirectory(const std::string& linkPath);

}  // namespace velmora::test
