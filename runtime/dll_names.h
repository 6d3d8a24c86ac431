// The names of DLL commands: exported names or "#ordinal", where a named DLL is looked for, and the
// texts of the two resolution errors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

struct ExportName {
    bool byOrdinal;
    uint16_t ordinal;  // the decimal digits after "#", modulo 65536
    const char* name;
};
ExportName ParseExportName(const char* name) noexcept;

// Where a DLL file name would be in the system directory (".dll" added to a name without an
// extension, as LoadLibraryA adds it), or "" for a name with a directory or drive of its own.
std::string SystemLibraryPath(const std::string& fileName, const std::string& systemDirectory);

// The paths LoadLibraryA tries, in order, for a DLL file name that is no system library and has no
// ":"; a name with ":" is tried as it is. programDirectory has no trailing backslash.
std::vector<std::string> LibraryCandidates(const std::string& fileName, const std::string& programDirectory);

// The modules tried, in order, for a command declared with an empty DLL file name.
extern const char* const kDefaultModules[6];

// The run-time error message of a command that was not found.
std::string DllCommandNotFoundMessage(const char* fileName, const char* commandName);

}  // namespace velmora
