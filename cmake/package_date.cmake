# Read by cpack before it makes the package (CPACK_PROJECT_CONFIG_FILE). cpack gives every member
# of the package the time SOURCE_DATE_EPOCH names, and without it each file's own time of making;
# so without it, it is set here to the time the build wrote into its own files (see
# write_source_date.cmake).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    file(STRINGS "${CPACK_ZORVEL_SOURCE_DATE_FILE}" seconds LIMIT_COUNT 1)
    set(ENV{SOURCE_DATE_EPOCH} "${seconds}")
endif()
