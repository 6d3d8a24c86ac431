// make_shortcut LINK TARGET: writes a shortcut file LINK that points at TARGET.
#include <windows.h>
#include <objbase.h>

#include <cstdio>

#include "tests/support/shortcut.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_shortcut LINK TARGET\n");
        return 2;
    }
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    const bool made = velmora::test::CreateShortcutFile(argv[1], argv[2]);
    CoUninitialize();
    if (!made)
        std::fprintf(stderr, "make_shortcut: cannot write %s\n", argv[1]);
    return made ? 0 : 1;
}
