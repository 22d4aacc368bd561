# Run by cpack on the staged files, before it packs them: opens every folder to all users. Folders
# are made under the umask of whoever makes the package, and a restrictive one would otherwise
# lock the game's folders on the systems that install it.
file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}"
    DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
)
