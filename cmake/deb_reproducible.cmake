# Run by cpack after it has made the .deb: rebuilds it with dpkg-deb so that
# the same sources give the same bytes. Time stamps come from SOURCE_DATE_EPOCH
# (the commit's time by default), owners are root, and modes are set here
# rather than taken from the umask.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
    execute_process(COMMAND git -C ${CPACK_TOVALIN_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(epoch STREQUAL "")
    set(epoch 0)
endif()
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(tree ${deb}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb -R ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find ${tree} -type d -exec chmod 0755 {} + COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find ${tree} -type f -perm /111 -exec chmod 0755 {} +
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find ${tree} -type f ! -perm /111 -exec chmod 0644 {} +
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
                dpkg-deb --root-owner-group -Zxz --build ${tree} ${deb}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
