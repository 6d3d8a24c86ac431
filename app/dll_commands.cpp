#include "app/dll_commands.h"

#include <utility>

namespace velmora {
namespace {

struct Declaration {
    int32_t index;
    const char* fileName;
    const char* commandName;
};

template <typename... Functions>
constexpr std::array<Declaration, sizeof...(Functions)> Declarations(const DllCommand<Functions>&... commands) {
    return {Declaration{commands.index, commands.fileName, commands.commandName}...};
}

constexpr auto kDeclarations = Declarations(kFindWindowA,
                                            kFindWindowExA,
                                            kGetModuleHandleA,
                                            kGetProcAddress,
                                            kSHGetSpecialFolderPathA,
                                            kGetWindowThreadProcessId,
                                            kOpenProcess,
                                            kCloseHandle,
                                            kTerminateProcess);
static_assert(kDeclarations.size() == kDllCommandCount);

constexpr bool IndexesFollowTheTable() {
    for (size_t i = 0; i < kDeclarations.size(); ++i) {
        if (kDeclarations[i].index != static_cast<int32_t>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(IndexesFollowTheTable(), "every declaration's index is its place in the header tables");

template <size_t... I>
constexpr std::array<const char*, sizeof...(I)> FileNames(std::index_sequence<I...>) {
    return {kDeclarations[I].fileName...};
}

template <size_t... I>
constexpr std::array<const char*, sizeof...(I)> CommandNames(std::index_sequence<I...>) {
    return {kDeclarations[I].commandName...};
}

}  // namespace

constexpr std::array<const char*, kDllCommandCount> kDllFileNames =
    FileNames(std::make_index_sequence<kDllCommandCount>());
constexpr std::array<const char*, kDllCommandCount> kDllCommandNames =
    CommandNames(std::make_index_sequence<kDllCommandCount>());

}  // namespace velmora
