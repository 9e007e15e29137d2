#pragma once

#include "registrar/core/ProgramLocation.h"

namespace quillet {

// The running executable's folder and name, from GetModuleFileNameW.
ProgramLocation locateWindowsProgram();

} // namespace quillet
