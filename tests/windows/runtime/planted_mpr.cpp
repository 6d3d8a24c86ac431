// A library named like the system's Mpr.dll, planted beside a program by the tests: it must never be
// the one that is loaded. Its one export answers like no real one would.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI WNetGetConnectionA(LPCSTR, LPSTR, LPDWORD) {
    return 0x5EED;
}
