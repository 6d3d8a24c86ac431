// A DLL for the DLL-command tests: one function found by name, one by ordinal.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI AddNumbers(int left, int right) {
    return left + right;
}

extern "C" __declspec(dllexport) int WINAPI MultiplyNumbers(int left, int right) {
    return left * right;
}
