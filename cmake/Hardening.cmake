# The hardening that Debian's dpkg-buildflags adds (hardening=+all on amd64):
# stack protector and clash protection, fortified functions, format checks,
# control-flow protection, read-only relocations bound at start, and
# position-independent executables. Optimised builds only: _FORTIFY_SOURCE
# needs optimisation, and the sanitizer builds are Debug builds.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(optimised "$<NOT:$<CONFIG:Debug>>")
add_compile_options(
  "$<${optimised}:-fstack-protector-strong;-fstack-clash-protection;-fcf-protection>"
  "$<${optimised}:-Wformat;-Werror=format-security>")
add_compile_definitions("$<${optimised}:_FORTIFY_SOURCE=2>")
add_link_options("$<${optimised}:LINKER:-z,relro;LINKER:-z,now>")
