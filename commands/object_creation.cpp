#include "commands/object_creation.h"

#include <ole2.h>
#include <windows.h>

#include <cstring>

#include "commands/wide_text.h"

namespace velmora {
namespace {

constexpr DWORD kAnyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
constexpr DWORD kLocalServers = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// The class named in the type library; a library given with a full path is registered once it served.
ComPtr<IUnknown> CreateFromTypeLibrary(const char* name, const char* typeLibrary) noexcept {
    WideText file(typeLibrary);
    ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLib(file.get(), library.put()))) {
        return {};
    }
    WideText wideName(name);
    ComPtr<ITypeInfo> type;
    MEMBERID member = 0;
    USHORT found = 1;
    const ULONG hash = LHashValOfNameSys(SYS_WIN32, GetUserDefaultLCID(), wideName.get());
    if (FAILED(library->FindName(wideName.get(), hash, type.put(), &member, &found)) || found != 1 || !type) {
        return {};
    }
    ComPtr<IUnknown> created;
    if (SUCCEEDED(type->CreateInstance(nullptr, IID_IUnknown, created.putVoid())) &&
        std::strchr(typeLibrary, '\\') != nullptr) {
        RegisterTypeLib(library.get(), file.get(), nullptr);
    }
    return created;
}

ComPtr<IUnknown> CreateFromClassId(const char* name) noexcept {
    WideText wideName(name);
    CLSID classId;
    const HRESULT found =
        name[0] == '{' ? CLSIDFromString(wideName.get(), &classId) : CLSIDFromProgID(wideName.get(), &classId);
    if (FAILED(found)) {
        return {};
    }
    ComPtr<IUnknown> created;
    HRESULT made = CoCreateInstance(classId, nullptr, kAnyServer, IID_IUnknown, created.putVoid());
    if (made == E_INVALIDARG) {
        made = CoCreateInstance(classId, nullptr, kLocalServers, IID_IUnknown, created.putVoid());
    }
    return SUCCEEDED(made) ? std::move(created) : ComPtr<IUnknown>{};
}

}  // namespace

ComPtr<IUnknown> CreateNamedObject(const char* name, const char* typeLibrary) noexcept {
    ComPtr<IUnknown> created;
    if (name[0] != '{' && typeLibrary != nullptr) {
        created = CreateFromTypeLibrary(name, typeLibrary);
    }
    if (!created) {
        created = CreateFromClassId(name);
    }
    if (!created || FAILED(OleRun(created.get()))) {
        return {};
    }
    return created;
}

}  // namespace velmora
