# Run by cpack on the staged files, before it packs them, so that the umask of whoever makes the
# package leaves no trace in it.
#
# Opens every folder to all users. Folders are made under the umask, and a restrictive one would
# otherwise lock the game's folders on the systems that install it.
file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}"
    DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
)

# cpack then writes the package's three members (debian-binary, control.tar.gz, data.tar.gz)
# into this folder and puts the modes they were made with into the package, with no setting to
# fix them. A default ACL on the folder takes the umask's place for what is made in it: files
# come out rw-r--r--, whatever the umask.
find_program(SETFACL setfacl)
if(SETFACL)
    execute_process(COMMAND ${SETFACL} --default --modify u::rwx,g::rx,o::rx
        "${CPACK_TEMPORARY_DIRECTORY}" RESULT_VARIABLE result ERROR_VARIABLE error)
endif()
if(NOT SETFACL OR NOT result EQUAL 0)
    message(WARNING "No default ACL on ${CPACK_TEMPORARY_DIRECTORY} (setfacl, Debian package "
        "acl: ${error}): the package's members take their modes from the umask")
endif()
