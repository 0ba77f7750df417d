# Notes, before an install, the folders of VOLNOGRAF_FOLDERS (relative to the prefix, with
# every folder above them up to the prefix) that do not exist yet, in
# install_folders.txt of the build folder, so that `make uninstall` can remove them again
# when they are empty. A staged install (DESTDIR, as for the package) notes nothing.
if(DEFINED ENV{DESTDIR} AND NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(list_file "${VOLNOGRAF_BINARY_DIR}/install_folders.txt")
set(noted "")
if(EXISTS "${list_file}")
  file(STRINGS "${list_file}" noted)
endif()
foreach(folder IN LISTS VOLNOGRAF_FOLDERS)
  while(NOT folder STREQUAL "" AND NOT folder STREQUAL ".")
    set(full "${CMAKE_INSTALL_PREFIX}/${folder}")
    if(NOT IS_ABSOLUTE "${folder}" AND NOT EXISTS "${full}")
      list(APPEND noted "${full}")
    endif()
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES noted)
list(JOIN noted "\n" text)
file(WRITE "${list_file}" "${text}\n")
