// The tool's code calls its declared Win32 functions through the DLL-command tables, which the
// runtime's start-up fills in a real run.
#include <gtest/gtest.h>

#include "app/dll_commands.h"

namespace velmora {
namespace {

class DllCommandsEnvironment : public testing::Environment {
  public:
    void SetUp() override { SetDllCommands(kDllCommandCount, kDllFileNames.data(), kDllCommandNames.data()); }
    void TearDown() override { FreeDllCommandModules(); }
};

const testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new DllCommandsEnvironment);

}  // namespace
}  // namespace velmora
