# Install-time part of the installation: the launcher and the desktop entry name the
# program's folder by its absolute path, which is known only once the prefix is (it may be
# given to `cmake --install --prefix`). Run from cmake_install.cmake; the variables
# VOLNOGRAF_SOURCE_DIR, VOLNOGRAF_BINARY_DIR, VOLNOGRAF_APP_DIR, VOLNOGRAF_BIN_DIR and
# VOLNOGRAF_DATA_DIR are set there by the top-level CMakeLists.txt.

function(volnograf_full_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

volnograf_full_path(VOLNOGRAF_FULL_APP_DIR "${VOLNOGRAF_APP_DIR}")
volnograf_full_path(full_bin_dir "${VOLNOGRAF_BIN_DIR}")
volnograf_full_path(full_data_dir "${VOLNOGRAF_DATA_DIR}")
file(TO_CMAKE_PATH "${VOLNOGRAF_FULL_APP_DIR}" VOLNOGRAF_FULL_APP_DIR)

# Exec: a path with characters that the desktop entry format reserves goes in quotes.
function(volnograf_desktop_exec out path)
  if(path MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
    string(REPLACE "\\" "\\\\\\\\" path "${path}")
    string(REPLACE "\"" "\\\\\"" path "${path}")
    string(REPLACE "`" "\\\\`" path "${path}")
    string(REPLACE "$" "\\\\$" path "${path}")
    set(path "\"${path}\"")
  endif()
  string(REPLACE "%" "%%" path "${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()
volnograf_desktop_exec(VOLNOGRAF_DESKTOP_EXEC "${VOLNOGRAF_FULL_APP_DIR}/volnograf")
# The projector start goes through the launcher, which changes to the program's folder.
volnograf_desktop_exec(VOLNOGRAF_DESKTOP_LAUNCHER "${full_bin_dir}/volnograf")
# The launcher quotes the folder in single quotes.
string(REPLACE "'" "'\\''" VOLNOGRAF_SHELL_APP_DIR "${VOLNOGRAF_FULL_APP_DIR}")

set(staging "${VOLNOGRAF_BINARY_DIR}/packaging")
configure_file("${VOLNOGRAF_SOURCE_DIR}/packaging/volnograf.desktop.in"
               "${staging}/volnograf.desktop" @ONLY)
configure_file("${VOLNOGRAF_SOURCE_DIR}/packaging/volnograf.sh.in"
               "${staging}/volnograf" @ONLY)

file(INSTALL DESTINATION "${full_bin_dir}" TYPE PROGRAM FILES "${staging}/volnograf")
file(INSTALL DESTINATION "${full_data_dir}/applications" TYPE FILE
     FILES "${staging}/volnograf.desktop")

# The lesson files' type and its icon (the program's own picture), then the desktop's
# databases where their tools exist, so that a double click on a .grafc file opens it here.
file(INSTALL DESTINATION "${full_data_dir}/mime/packages" TYPE FILE
     FILES "${VOLNOGRAF_SOURCE_DIR}/packaging/volnograf-grafc.xml")
foreach(size 32x32 48x48 64x64)
  file(INSTALL DESTINATION "${full_data_dir}/icons/hicolor/${size}/mimetypes" TYPE FILE
       FILES "${VOLNOGRAF_SOURCE_DIR}/packaging/icons/${size}/apps/volnograf.png"
       RENAME "application-x-volnograf-grafc.png")
endforeach()
# A staged install (the package's) leaves that to the triggers of the system it goes to.
if(DEFINED ENV{DESTDIR} AND NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${full_data_dir}/mime")
endif()
find_program(UPDATE_DESKTOP_DATABASE update-desktop-database)
if(UPDATE_DESKTOP_DATABASE)
  execute_process(COMMAND "${UPDATE_DESKTOP_DATABASE}" "${full_data_dir}/applications")
endif()
find_program(GTK_UPDATE_ICON_CACHE gtk-update-icon-cache)
if(GTK_UPDATE_ICON_CACHE AND EXISTS "${full_data_dir}/icons/hicolor/index.theme")
  execute_process(COMMAND "${GTK_UPDATE_ICON_CACHE}" -q -t "${full_data_dir}/icons/hicolor")
endif()
