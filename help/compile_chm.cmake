# Compiles the help file in a staging folder: copies the page sources and the pictures there, runs
# chmcmd (which writes its output into its working folder), and installs the result only when the
# compiler succeeded. A failed run leaves no partial help file behind.
#
# Variables: CHMCMD, SOURCE_DIR, IMAGE_DIR, STAGE_DIR, OUTPUT, and SOURCES (the page sources,
# separated by "|").

string(REPLACE "|" ";" sources "${SOURCES}")
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}/images")
foreach(source IN LISTS sources)
    file(COPY "${SOURCE_DIR}/${source}" DESTINATION "${STAGE_DIR}")
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
file(COPY_FILE "${compiled}" "${OUTPUT}")
