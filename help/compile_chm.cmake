# Compiles the help file in a staging folder: copies the page sources and the pictures there, runs
# chmcmd (which writes its output into its working folder), sets the time stamps chmcmd writes to
# the time in SOURCE_DATE_FILE with the tool STAMP, and installs the result only when all of it
# succeeded. A failed run leaves no partial help file behind.
#
# Variables: CHMCMD, SOURCE_DIR, IMAGE_DIR, STAGE_DIR, OUTPUT, SOURCES (the page sources,
# separated by "|"), STAMP and SOURCE_DATE_FILE.

string(REPLACE "|" ";" sources "${SOURCES}")
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}/images")
foreach(source IN LISTS sources)
    file(COPY "${SOURCE_DIR}/${source}" DESTINATION "${STAGE_DIR}")
endforeach()
# Windows' help viewer reads the contents file in the code page of the file's language, 932 for
# Japanese, whatever the file declares: one written in UTF-8 is stored in that code page, and
# declares it, so the program's own viewer reads it too.
file(GLOB contents_files "${STAGE_DIR}/*.hhc")
foreach(contents IN LISTS contents_files)
    file(READ "${contents}" text)
    string(FIND "${text}" [[<meta charset="utf-8">]] utf8)
    if(utf8 EQUAL -1)
        continue()
    endif()
    string(REPLACE [[<meta charset="utf-8">]] [[<meta charset="windows-31j">]] text "${text}")
    file(WRITE "${contents}.utf-8" "${text}")
    execute_process(
        COMMAND iconv -f UTF-8 -t CP932 "${contents}.utf-8"
        OUTPUT_FILE "${contents}"
        RESULT_VARIABLE result)
    file(REMOVE "${contents}.utf-8")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${contents} could not be written in code page 932 (${result})")
    endif()
endforeach()
file(GLOB pictures "${IMAGE_DIR}/*.png")
if(pictures)
    file(COPY ${pictures} DESTINATION "${STAGE_DIR}/images")
endif()

execute_process(
    COMMAND "${CHMCMD}" zorvel.hhp
    WORKING_DIRECTORY "${STAGE_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)

set(compiled "${STAGE_DIR}/zorvel.chm")
if(NOT result EQUAL 0 OR NOT EXISTS "${compiled}")
    file(REMOVE "${compiled}" "${OUTPUT}")
    message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()
string(REGEX MATCHALL "Warning:[^\n]*" warnings "${output}")
foreach(warning IN LISTS warnings)
    message(WARNING "chmcmd: ${warning}")
endforeach()

# chmcmd stamps the file with the time of day it ran, from the system clock, and has no option to
# give it another time: the stamps are set afterwards.
file(STRINGS "${SOURCE_DATE_FILE}" seconds LIMIT_COUNT 1)
execute_process(COMMAND "${STAMP}" "${compiled}" "${seconds}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${compiled}" "${OUTPUT}")
    message(FATAL_ERROR "The time stamps of ${compiled} could not be set (${result})")
endif()
file(COPY_FILE "${compiled}" "${OUTPUT}")
