# Writes the time that the build gives wherever it must write a date (the help file's time
# stamps, the times of the package's files), in seconds since 1970, into OUTPUT: the time
# SOURCE_DATE_EPOCH names, when set, as Debian's package builds set it; otherwise the time of the
# last commit; and in a copy of the source without git, the date of the changelog's latest entry.
# So builds of the same source give the same bytes, whenever they run. OUTPUT is rewritten only
# when the time changes.
#
# Variables: SOURCE_DIR, OUTPUT.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(seconds "$ENV{SOURCE_DATE_EPOCH}")
    set(source "SOURCE_DATE_EPOCH")
else()
    if(EXISTS "${SOURCE_DIR}/.git")
        execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
            OUTPUT_VARIABLE seconds OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        set(source "the last commit")
    endif()
    if(NOT seconds)
        file(STRINGS "${SOURCE_DIR}/packaging/changelog" trailer REGEX "^ -- " LIMIT_COUNT 1)
        string(REGEX REPLACE "^ -- .*>  " "" date "${trailer}")
        execute_process(COMMAND date --date "${date}" +%s
            OUTPUT_VARIABLE seconds OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(source "the changelog's latest entry")
    endif()
endif()
if(NOT seconds MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No time in seconds since 1970 from ${source}: '${seconds}'")
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${seconds}\n")
