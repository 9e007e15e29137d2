# Runs lintian on the Debian package that install_and_package built: no error
# and no warning may remain (informational and pedantic tags are shown, not
# counted). Without lintian or a package the test is skipped ("SKIP:").
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED PACKAGE_DIR)
  message(FATAL_ERROR "PACKAGE_DIR is not set")
endif()
find_program(LINTIAN lintian)
file(GLOB packages ${PACKAGE_DIR}/*.deb)
if(NOT LINTIAN OR NOT packages)
  message("SKIP: lintian (Debian: lintian) not installed or no package built")
  return()
endif()
execute_process(COMMAND ${LINTIAN} -EvIL +pedantic --fail-on error,warning ${packages}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings (status ${status})")
endif()
