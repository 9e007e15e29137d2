#pragma once

#include "registrar/core/ProgramLocation.h"

namespace quillet {

// The running executable's folder and name, from /proc/self/exe where the system has it and
// from argv[0] otherwise.
ProgramLocation locatePosixProgram(const char* argv0);

} // namespace quillet
