// The window engine a program with windows links in: ProgramImage::windowEngine = &kFormsWindowEngine.
#pragma once

#include "runtime/window_engine.h"

namespace velmora {

extern const WindowEngine kFormsWindowEngine;

}  // namespace velmora
