# The translations built into a program, under ":/translations": the Qt
# Linguist sources in translations/ compiled by lrelease, and Qt's own
# translations of its dialogs and buttons (Debian's qt6-translations-l10n; the
# same files serve every platform). English is the source language: its file,
# where a program has one (<catalogue>_en.ts), holds only the plural forms of
# texts that count ("%n error(s)"). The build machine's lrelease serves the Windows build too, whose SDK
# carries no Qt Linguist.

set(TALPORA_TRANSLATED_LANGUAGES zh_CN ja)
# Compressed, always, with the zlib every Qt reads: the files' source texts
# would otherwise lie in the programs as plain strings, among them other
# libraries' messages that lintian takes for copies of those libraries.
set(TALPORA_TRANSLATION_RESOURCE_OPTIONS -compress-algo zlib -compress 9 -threshold 0)

find_program(TALPORA_LRELEASE NAMES lrelease lrelease-qt6
             HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_CMAKE_FIND_ROOT_PATH
             DOC "Qt Linguist's lrelease (Debian: qt6-l10n-tools)")
if(NOT TALPORA_LRELEASE)
  message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools")
endif()
find_path(TALPORA_QT_TRANSLATIONS qtbase_zh_CN.qm
          HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}"
          PATHS /usr/share/qt6/translations
          NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH
          DOC "the folder of Qt's own translations (Debian: qt6-translations-l10n)")
if(NOT TALPORA_QT_TRANSLATIONS)
  message(FATAL_ERROR "Qt's translations (qtbase_zh_CN.qm) not found: install qt6-translations-l10n")
endif()

# talpora_add_translations(<target> <catalogue>)
# Builds translations/<catalogue>_<language>.ts, for every language (and the
# English plural forms when there are any), into <target>.
function(talpora_add_translations target catalogue)
  set(files)
  set(languages ${TALPORA_TRANSLATED_LANGUAGES})
  if(EXISTS "${PROJECT_SOURCE_DIR}/translations/${catalogue}_en.ts")
    list(APPEND languages en)
  endif()
  foreach(language IN LISTS languages)
    set(source "${PROJECT_SOURCE_DIR}/translations/${catalogue}_${language}.ts")
    set(compiled "${CMAKE_CURRENT_BINARY_DIR}/translations/${catalogue}_${language}.qm")
    # An unfinished translation is left out: its English source text shows
    # instead of an outdated wording.
    add_custom_command(OUTPUT "${compiled}"
      COMMAND "${TALPORA_LRELEASE}" -silent -nounfinished "${source}" -qm "${compiled}"
      DEPENDS "${source}"
      VERBATIM)
    set_source_files_properties("${compiled}" PROPERTIES
                                QT_RESOURCE_ALIAS "${catalogue}_${language}.qm")
    list(APPEND files "${compiled}")
  endforeach()
  qt_add_resources(${target} "${catalogue}_translations" PREFIX "/translations"
                   OPTIONS ${TALPORA_TRANSLATION_RESOURCE_OPTIONS} FILES ${files})
endfunction()

# talpora_add_qt_translations(<target>)
# Builds Qt's own translations (qtbase_<language>.qm) into <target>, which
# shows Qt's standard dialogs or buttons.
function(talpora_add_qt_translations target)
  set(files)
  foreach(language IN LISTS TALPORA_TRANSLATED_LANGUAGES)
    set(file "${TALPORA_QT_TRANSLATIONS}/qtbase_${language}.qm")
    if(NOT EXISTS "${file}")
      message(FATAL_ERROR "${file} not found: install qt6-translations-l10n")
    endif()
    set_source_files_properties("${file}" PROPERTIES QT_RESOURCE_ALIAS "qtbase_${language}.qm")
    list(APPEND files "${file}")
  endforeach()
  qt_add_resources(${target} "qt_translations" PREFIX "/translations"
                   OPTIONS ${TALPORA_TRANSLATION_RESOURCE_OPTIONS} FILES ${files})
endfunction()
