# Makes the Windows installer, Talpora-<version>-win64.msi, with wixl from the
# files CPack staged for its External generator: the source (.wxs) lists every
# staged file, so what the zip holds and what the installer installs are the
# same. Run by cpack (CPACK_EXTERNAL_PACKAGE_SCRIPT), with the CPACK_ variables
# of cmake/PackagingWindows.cmake.
#
# The installer is per user (no administrator rights): the programs under
# %LOCALAPPDATA%\Programs\Talpora, a shortcut in the user's Start menu,
# Talpora under "Open with" for .xml files and for the Office documents,
# templates and add-ins whose customUI it shows (never as their default
# program) and Windows Installer's own entry in the user's list of programs.
# Uninstalling removes all of it.

set(staged "${CPACK_TEMPORARY_DIRECTORY}")
# wixl takes sources by their path from the folder it runs in.
set(wixl_dir "${CPACK_TOPLEVEL_DIRECTORY}")
set(wxs "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.wxs")
set(msi "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")

function(xml_escape out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Installer identifiers may hold letters, digits, _ and . only: they are named
# after a hash of the staged path.
function(installer_id out prefix path)
  string(SHA1 hash "${path}")
  string(SUBSTRING "${hash}" 0 16 hash)
  set(${out} "${prefix}${hash}" PARENT_SCOPE)
endfunction()

# The <Directory> element of one staged folder (relative path `dir`, "" for
# the installation folder): a component for each file, keyed to its file; the
# first one also removes the folder on uninstall once it is empty. The
# component ids go to `sub_components` in the caller.
function(directory_xml out dir indent)
  set(xml "")
  set(ids "")
  set(remove_id "")
  file(GLOB entries LIST_DIRECTORIES true RELATIVE "${staged}/${dir}" "${staged}/${dir}*")
  list(SORT entries)
  foreach(name IN LISTS entries)
    set(path "${dir}${name}")
    xml_escape(xml_name "${name}")
    installer_id(id "_" "${path}")
    if(IS_DIRECTORY "${staged}/${path}")
      directory_xml(sub_xml "${path}/" "${indent}  ")
      string(APPEND xml "${indent}<Directory Id=\"d${id}\" Name=\"${xml_name}\">\n"
             "${sub_xml}${indent}</Directory>\n")
      list(APPEND ids ${sub_components})
    else()
      set(remove_folder "")
      if(NOT remove_id)
        installer_id(remove_id "r" "${dir}")
        set(remove_folder "${indent}  <RemoveFolder Id=\"${remove_id}\" On=\"uninstall\"/>\n")
      endif()
      file(RELATIVE_PATH source "${wixl_dir}" "${staged}/${path}")
      xml_escape(source "${source}")
      string(APPEND xml "${indent}<Component Id=\"c${id}\" Guid=\"*\" Win64=\"yes\">\n"
             "${indent}  <File Id=\"f${id}\" Name=\"${xml_name}\" Source=\"${source}\""
             " KeyPath=\"yes\"/>\n${remove_folder}"
             "${indent}</Component>\n")
      list(APPEND ids c${id})
    endif()
  endforeach()
  if(NOT remove_id)
    message(FATAL_ERROR "Staged folder \"${dir}\" holds no file of its own to remove it with")
  endif()
  set(${out} "${xml}" PARENT_SCOPE)
  set(sub_components "${ids}" PARENT_SCOPE)
endfunction()

directory_xml(program_files "" "            ")
set(component_refs "")
foreach(component IN LISTS sub_components)
  string(APPEND component_refs "      <ComponentRef Id=\"${component}\"/>\n")
endforeach()

xml_escape(vendor "${CPACK_PACKAGE_VENDOR}")
xml_escape(summary "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}")
xml_escape(homepage "${CPACK_TALPORA_HOMEPAGE}")
file(RELATIVE_PATH icon "${wixl_dir}" "${CPACK_TALPORA_ICON}")
xml_escape(icon "${icon}")
set(classes [[Software\Classes]])
# The extensions of the Office packages Talpora opens, as
# checker/PackageRecognition.cpp knows them.
set(package_extensions xlsx xlsm xltx xltm xlam docx docm dotx dotm pptx pptm potx potm ppsx ppsm
    ppam)
set(package_open_with "")
foreach(extension IN LISTS package_extensions)
  string(APPEND package_open_with
         "            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\.${extension}\\OpenWithProgids\" "
         "Name=\"Talpora.package\"\n"
         "                           Type=\"string\" Value=\"\"/>\n")
endforeach()
file(WRITE "${wxs}" "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Product Id=\"*\" Name=\"Talpora\" Language=\"1033\" Version=\"${CPACK_PACKAGE_VERSION}\"
           Manufacturer=\"${vendor}\" UpgradeCode=\"${CPACK_TALPORA_UPGRADE_CODE}\">
    <Package InstallerVersion=\"500\" Compressed=\"yes\" InstallScope=\"perUser\"
             Description=\"${summary}\" Manufacturer=\"${vendor}\"/>
    <MajorUpgrade DowngradeErrorMessage=\"A newer version of Talpora is already installed.\"/>
    <Media Id=\"1\" Cabinet=\"talpora.cab\" EmbedCab=\"yes\"/>
    <Icon Id=\"talpora.ico\" SourceFile=\"${icon}\"/>
    <Property Id=\"ARPPRODUCTICON\" Value=\"talpora.ico\"/>
    <Property Id=\"ARPURLINFOABOUT\" Value=\"${homepage}\"/>
    <Property Id=\"ARPNOMODIFY\" Value=\"1\"/>
    <Directory Id=\"TARGETDIR\" Name=\"SourceDir\">
      <Directory Id=\"LocalAppDataFolder\">
        <Directory Id=\"LocalProgramsFolder\" Name=\"Programs\">
          <Component Id=\"LocalPrograms\" Guid=\"8DA3788F-4EB0-4C92-8BDE-E7F3137113EC\" Win64=\"yes\">
            <RemoveFolder Id=\"LocalProgramsFolder\" On=\"uninstall\"/>
          </Component>
          <Directory Id=\"INSTALLDIR\" Name=\"Talpora\">
${program_files}          </Directory>
        </Directory>
      </Directory>
      <Directory Id=\"ProgramMenuFolder\">
        <Directory Id=\"TalporaMenuFolder\" Name=\"Talpora\">
          <Component Id=\"Shell\" Guid=\"*\" Win64=\"yes\">
            <Shortcut Id=\"StartMenuShortcut\" Name=\"Talpora\" Description=\"${summary}\"
                      Target=\"[INSTALLDIR]Talpora.exe\" WorkingDirectory=\"INSTALLDIR\"/>
            <RemoveFolder Id=\"TalporaMenuFolder\" On=\"uninstall\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\Talpora.xml\" Type=\"string\" Value=\"XML\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\Talpora.xml\\DefaultIcon\" Type=\"string\"
                           Value=\"[INSTALLDIR]Talpora.exe,0\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\Talpora.xml\\shell\\open\\command\"
                           Type=\"string\" Value=\"&quot;[INSTALLDIR]Talpora.exe&quot; &quot;%1&quot;\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\.xml\\OpenWithProgids\" Name=\"Talpora.xml\"
                           Type=\"string\" Value=\"\" KeyPath=\"yes\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\Talpora.package\" Type=\"string\"
                           Value=\"Office document (customUI)\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\Talpora.package\\DefaultIcon\" Type=\"string\"
                           Value=\"[INSTALLDIR]Talpora.exe,0\"/>
            <RegistryValue Root=\"HKCU\" Key=\"${classes}\\Talpora.package\\shell\\open\\command\"
                           Type=\"string\" Value=\"&quot;[INSTALLDIR]Talpora.exe&quot; &quot;%1&quot;\"/>
${package_open_with}          </Component>
        </Directory>
      </Directory>
    </Directory>
    <Feature Id=\"Talpora\" Title=\"Talpora\" Level=\"1\">
${component_refs}      <ComponentRef Id=\"Shell\"/>
      <ComponentRef Id=\"LocalPrograms\"/>
    </Feature>
  </Product>
</Wix>
")

execute_process(COMMAND "${CPACK_TALPORA_WIXL}" --arch x64 -o "${msi}" "${wxs}"
                WORKING_DIRECTORY "${wixl_dir}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wixl failed on ${wxs}:\n${output}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
