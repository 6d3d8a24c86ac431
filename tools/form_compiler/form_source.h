// Compiles a form source into template fields.
//
// A form source is UTF-8 text, one statement per line; "#" starts a comment outside a quoted text.
// Each window and each component is a block:
//
//     KIND SYMBOL ID           KIND: window, button, checkbox, label, editbox, commondialog, menuitem
//         STATEMENT...
//     end
//
// A component belongs to the window block before it; the order of the blocks is the record order.
// SYMBOL names the block inside the source (for `container` and `source`); ID is its 32-bit identifier
// (for a window the window id; the window's own record always has the component id 0x06010000).
// Statements, all optional:
//     name TEXT                    stored name
//     second_text TEXT             the record's second text
//     geometry LEFT TOP WIDTH HEIGHT
//     tag TEXT
//     state FLAG...                visible, disabled, focusable (menu items: hidden, disabled, checked)
//     container SYMBOL [page N]    the component lies in another component (page 1 unless given)
//     source SYMBOL                use the event bindings of another component of the same unit
//     pointer CODE                 mouse-pointer cursor code (default 0)
//     on EVENT ROUTINE             bind an event number to a program routine, or to `none`
//     property NAME VALUE          a unit property by name or number: an integer, true, false, TEXT,
//                                  or hex TEXT for a byte string
//     caption TEXT, level N, shortcut N, click ROUTINE      menu items only
// TEXT is a quoted string with the escapes \" \\ \n \r \t; it is stored in code page 936.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/template_writer.h"

namespace velmora {

struct CompiledSource {
    // Every routine field holds a number into routineNames instead of an offset.
    std::vector<WindowFields> windows;
    std::vector<std::string> routineNames;
};

// On failure `error` reads "line N: what is wrong".
bool CompileFormSource(std::string_view text, CompiledSource& result, std::string& error);

}  // namespace velmora
