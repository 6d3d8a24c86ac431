// What a desktop item is: a file, a folder, a shortcut (with its target) or the shell's own item,
// found by its caption in the user and then the common desktop directory.
#pragma once

#include "runtime/heap_block.h"

namespace velmora {

struct DesktopDirectories {
    Text user;    // ends in "\"
    Text common;  // no trailing "\"; empty when it cannot be had
};

DesktopDirectories WorkOutDesktopDirectories() noexcept;

struct Classification {
    const char* kind;  // "[file]", "[folder]", "[lnk]" or "[system]"
    Text target;       // the shortcut's target for "[lnk]"
};

Classification ClassifyCaption(const DesktopDirectories& directories, const char* caption) noexcept;

}  // namespace velmora
