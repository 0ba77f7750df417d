# Installs the program into an empty prefix, checks the menu entry and the software
# centre's description with their validators and the launcher with --version, then
# uninstalls and expects the prefix empty again. The build folder's own record of an
# install (its manifest and folder list) is put back afterwards.
# Variables: BUILD (the build folder), SOURCE (the source folder).
set(prefix "${BUILD}/packaging-test/prefix")
file(REMOVE_RECURSE "${BUILD}/packaging-test")
file(MAKE_DIRECTORY "${prefix}")
set(kept "${BUILD}/packaging-test/kept")
file(MAKE_DIRECTORY "${kept}")
# The records of an install made by hand are moved aside and back around the test's own.
macro(move_records from to)
  foreach(record install_manifest.txt install_folders.txt)
    if(EXISTS "${from}/${record}")
      file(RENAME "${from}/${record}" "${to}/${record}")
    endif()
  endforeach()
endmacro()
move_records("${BUILD}" "${kept}")

set(failure "")
macro(check what)
  if(NOT (${ARGN}))
    string(APPEND failure "${what}\n")
  endif()
endmacro()
function(run out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  set(${out} "${status}: ${output}" PARENT_SCOPE)
endfunction()

run(installed "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}")
check("install: ${installed}" installed MATCHES "^0: ")
foreach(file bin/volnograf lib/volnograf/volnograf lib/volnograf/help/help.chm
             lib/volnograf/Примеры/натрий.grafc
             share/applications/volnograf.desktop share/mime/packages/volnograf-grafc.xml
             share/icons/hicolor/48x48/apps/volnograf.png
             share/icons/hicolor/48x48/mimetypes/application-x-volnograf-grafc.png
             share/doc/volnograf/copyright share/doc/volnograf/changelog.gz
             share/man/man1/volnograf.1.gz)
  check("${file} installed" EXISTS "${prefix}/${file}")
endforeach()
file(GLOB metainfo "${prefix}/share/metainfo/*.metainfo.xml")
check("one metainfo file" metainfo MATCHES "metainfo.xml$")

run(desktop desktop-file-validate "${prefix}/share/applications/volnograf.desktop")
check("desktop-file-validate says nothing: ${desktop}" desktop STREQUAL "0: ")
file(READ "${prefix}/share/applications/volnograf.desktop" entry)
check("the projector start: ${entry}"
      entry MATCHES "\nName=Волнограф для проектора\nExec=[^\n]*/bin/volnograf --scale fit\n")
run(appstream appstreamcli validate --no-net "${metainfo}")
check("appstreamcli validate: ${appstream}" appstream MATCHES "^0: ")
run(version "${prefix}/bin/volnograf" --version)
check("the launcher runs the program: ${version}" version STREQUAL "0: Волнограф Вер. 1.2\n")

run(removed "${SOURCE}/scripts/uninstall.sh" "${BUILD}")
check("uninstall: ${removed}" removed MATCHES "^0: ")
file(GLOB_RECURSE left LIST_DIRECTORIES true RELATIVE "${prefix}" "${prefix}/*")
check("the prefix empty after uninstall, not: ${left}" NOT left)

file(REMOVE "${BUILD}/install_manifest.txt" "${BUILD}/install_folders.txt")
move_records("${kept}" "${BUILD}")
file(REMOVE_RECURSE "${BUILD}/packaging-test")
if(NOT failure STREQUAL "")
  message(FATAL_ERROR "${failure}")
endif()
