# Compiles the user's guide into help.chm; run by the `volnograf_help` target with cmake -P.
#
# Inputs (-D): CHMCMD, ICONV, SOURCE_DIR (help/ in the sources), WORK_DIR (a scratch copy),
# OUTPUT (the .chm to produce). The project file lists the pages in its [FILES] section.
#
# All sources are UTF-8. The pages say so in their meta tag, and chmcmd reads the index
# as UTF-8 when it builds the binary keyword index. The project file (its title) and the
# contents are stored as they are, and viewers read them in the code page of the help's
# language (0x419, Windows-1251), so those two are converted first. chmcmd's report is
# shown only when something is wrong.

foreach(var CHMCMD ICONV SOURCE_DIR WORK_DIR OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "BuildHelp.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

foreach(name help.hhp help.hhc)
  execute_process(
    COMMAND "${ICONV}" -f UTF-8 -t WINDOWS-1251 "${SOURCE_DIR}/${name}"
    OUTPUT_FILE "${WORK_DIR}/${name}"
    ERROR_VARIABLE iconv_error
    RESULT_VARIABLE iconv_result)
  if(NOT iconv_result EQUAL 0)
    message(FATAL_ERROR "help/${name}: not convertible to Windows-1251 "
                        "(use only letters that code page has):\n${iconv_error}")
  endif()
endforeach()

file(COPY "${SOURCE_DIR}/help.hhk" DESTINATION "${WORK_DIR}")

# The files of the [FILES] section, copied with their folders.
file(STRINGS "${SOURCE_DIR}/help.hhp" project_lines)
set(in_files FALSE)
foreach(line IN LISTS project_lines)
  string(STRIP "${line}" line)
  if(line MATCHES "^\\[")
    if(line STREQUAL "[FILES]")
      set(in_files TRUE)
    else()
      set(in_files FALSE)
    endif()
  elseif(in_files AND NOT line STREQUAL "")
    get_filename_component(folder "${line}" DIRECTORY)
    file(COPY "${SOURCE_DIR}/${line}" DESTINATION "${WORK_DIR}/${folder}")
  endif()
endforeach()

execute_process(
  COMMAND "${CHMCMD}" help.hhp
  WORKING_DIRECTORY "${WORK_DIR}"
  OUTPUT_VARIABLE chm_report
  ERROR_VARIABLE chm_report
  RESULT_VARIABLE chm_result)
if(NOT chm_result EQUAL 0 OR chm_report MATCHES "Warning|Error" OR NOT EXISTS "${WORK_DIR}/help.chm")
  message(FATAL_ERROR "chmcmd failed to compile help.chm (exit ${chm_result}):\n${chm_report}")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${WORK_DIR}/help.chm" "${OUTPUT}")
