# The time the build writes wherever it must write a date, in the file ZORVEL_SOURCE_DATE_FILE
# (see write_source_date.cmake). Looked up at every build: a new commit changes it without
# changing a build rule. Whatever depends on the file is made again only when the time changes.
set(ZORVEL_SOURCE_DATE_FILE ${CMAKE_BINARY_DIR}/source-date-epoch)
add_custom_target(zorvel_source_date ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DOUTPUT=${ZORVEL_SOURCE_DATE_FILE}
        -P ${CMAKE_CURRENT_LIST_DIR}/write_source_date.cmake
    BYPRODUCTS ${ZORVEL_SOURCE_DATE_FILE}
    VERBATIM
)
