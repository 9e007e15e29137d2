# Installing the desktop entry puts Talpora in the "Open with" list of XML
# files and leaves the program the user chose for them the default. Runs in
# temporary XDG folders: another XML application installed system-wide and
# chosen by the user, then everything the install put in share/applications
# copied beside it, as the package installs it. Needs xdg-mime (xdg-utils) and update-desktop-database
# (desktop-file-utils); without them the test is skipped ("SKIP:").
cmake_minimum_required(VERSION 3.25)

foreach(variable IN ITEMS INSTALLED_APPLICATIONS DESKTOP_ENTRY WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

find_program(XDG_MIME xdg-mime)
find_program(UPDATE_DESKTOP_DATABASE update-desktop-database)
if(NOT XDG_MIME OR NOT UPDATE_DESKTOP_DATABASE)
  message("SKIP: xdg-mime (Debian: xdg-utils) or update-desktop-database (desktop-file-utils) "
          "not installed")
  return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
set(system ${WORK_DIR}/system/applications)
file(MAKE_DIRECTORY ${system} ${WORK_DIR}/home ${WORK_DIR}/config)
file(WRITE ${system}/xml-editor.desktop
     "[Desktop Entry]\nType=Application\nName=XML Editor\nExec=cat %f\n"
     "MimeType=application/xml;text/xml;\n")
file(WRITE ${WORK_DIR}/config/mimeapps.list
     "[Default Applications]\napplication/xml=xml-editor.desktop\n")
set(environment XDG_DATA_DIRS=${WORK_DIR}/system XDG_DATA_HOME=${WORK_DIR}/home
    XDG_CONFIG_HOME=${WORK_DIR}/config XDG_CONFIG_DIRS=${WORK_DIR}/no-config
    XDG_CURRENT_DESKTOP= HOME=${WORK_DIR})

function(default_for_xml output_variable)
  execute_process(COMMAND ${UPDATE_DESKTOP_DATABASE} ${system} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment}
                          ${XDG_MIME} query default application/xml
                  OUTPUT_VARIABLE default OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${output_variable} "${default}" PARENT_SCOPE)
endfunction()

default_for_xml(before)
file(GLOB installed ${INSTALLED_APPLICATIONS}/*)
if(NOT installed)
  message(FATAL_ERROR "nothing installed in ${INSTALLED_APPLICATIONS}")
endif()
file(COPY ${installed} DESTINATION ${system})
default_for_xml(after)
if(NOT before STREQUAL "xml-editor.desktop" OR NOT after STREQUAL before)
  message(FATAL_ERROR "default for application/xml: \"${before}\" before the install, "
                      "\"${after}\" after")
endif()
file(READ ${system}/mimeinfo.cache cache)
string(REGEX MATCH "\napplication/xml=[^\n]*" xml_line "${cache}")
string(FIND "${xml_line}" "${DESKTOP_ENTRY};" at)
if(at EQUAL -1)
  message(FATAL_ERROR "Talpora is not among the applications for XML files:${xml_line}")
endif()
message(STATUS "default for application/xml stays ${after};${xml_line}")
