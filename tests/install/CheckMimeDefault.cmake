# Installing the desktop entry puts Talpora in the "Open with" list of XML
# files and of Excel add-ins and leaves the program the user chose for them the
# default. Runs in temporary XDG folders: another application for both
# installed system-wide and chosen by the user, then everything the install put
# in share/applications copied beside it, as the package installs it. Needs xdg-mime (xdg-utils) and update-desktop-database
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
set(addin application/vnd.ms-excel.addin.macroEnabled.12)
file(WRITE ${system}/xml-editor.desktop
     "[Desktop Entry]\nType=Application\nName=XML Editor\nExec=cat %f\n"
     "MimeType=application/xml;text/xml;${addin};\n")
file(WRITE ${WORK_DIR}/config/mimeapps.list
     "[Default Applications]\napplication/xml=xml-editor.desktop\n${addin}=xml-editor.desktop\n")
set(environment XDG_DATA_DIRS=${WORK_DIR}/system XDG_DATA_HOME=${WORK_DIR}/home
    XDG_CONFIG_HOME=${WORK_DIR}/config XDG_CONFIG_DIRS=${WORK_DIR}/no-config
    XDG_CURRENT_DESKTOP= HOME=${WORK_DIR})

function(default_for mime_type output_variable)
  execute_process(COMMAND ${UPDATE_DESKTOP_DATABASE} ${system} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment}
                          ${XDG_MIME} query default ${mime_type}
                  OUTPUT_VARIABLE default OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${output_variable} "${default}" PARENT_SCOPE)
endfunction()

set(mime_types application/xml ${addin})
foreach(mime_type IN LISTS mime_types)
  default_for(${mime_type} before_${mime_type})
endforeach()
file(GLOB installed ${INSTALLED_APPLICATIONS}/*)
if(NOT installed)
  message(FATAL_ERROR "nothing installed in ${INSTALLED_APPLICATIONS}")
endif()
file(COPY ${installed} DESTINATION ${system})
foreach(mime_type IN LISTS mime_types)
  default_for(${mime_type} after)
  file(READ ${system}/mimeinfo.cache cache)
  set(before "${before_${mime_type}}")
  if(NOT before STREQUAL "xml-editor.desktop" OR NOT after STREQUAL before)
    message(FATAL_ERROR "default for ${mime_type}: \"${before}\" before the install, "
                        "\"${after}\" after")
  endif()
  string(REGEX MATCH "\n${mime_type}=[^\n]*" line "${cache}")
  string(FIND "${line}" "${DESKTOP_ENTRY};" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Talpora is not among the applications for ${mime_type}:${line}")
  endif()
  message(STATUS "default for ${mime_type} stays ${after};${line}")
endforeach()
