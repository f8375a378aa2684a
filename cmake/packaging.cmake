# A Debian package of the Linux program: cpack -G DEB
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovalin)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR "Tovalin developers")
# Who answers for the package. The project has no home page yet: the package
# names none, nor any other address.
set(TOVALIN_MAINTAINER "Tovalin developers <tovalin@example.org>"
    CACHE STRING "Maintainer of the packages, as a name and an e-mail address")
set(CPACK_PACKAGE_CONTACT "${TOVALIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reverse the byte order of a 32-bit hex value")
# Wrapped for Debian's control file; CPack indents each line. One string: a
# list would put its ";" separators into the text.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tovalin turns the hexadecimal text of a 32-bit value into the same\n"
    "value with its four bytes in reverse order, so little-endian text\n"
    "becomes big-endian text and back: 1234 becomes 00001234 and 34120000.\n"
    "Its interface is Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# Library dependencies come from the binary itself (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese captions need a CJK font; Qt's Wayland platform runs it natively on
# a Wayland desktop instead of through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-wayland")
set(CPACK_STRIP_FILES ON)
# CPack's archive keeps the build's time stamps and modes: rebuilt with
# dpkg-deb, from SOURCE_DATE_EPOCH, as root's.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_reproducible.cmake)
set(CPACK_TOVALIN_SOURCE_DIR ${PROJECT_SOURCE_DIR})

# What Debian asks of every package: the copyright file, the changelog and a
# manual page for the program, compressed as Debian does (gzip -9n).
set(linux ${PROJECT_SOURCE_DIR}/window/linux)
set(docs ${PROJECT_BINARY_DIR}/docs)
file(MAKE_DIRECTORY ${docs}/zh_CN)
set(gzipped)
configure_file(${linux}/debian/copyright.in ${docs}/copyright @ONLY)
configure_file(${linux}/debian/changelog.in ${docs}/changelog @ONLY)
foreach(pair "${docs}/changelog|changelog.gz" "${linux}/man/tovalin.1|tovalin.1.gz"
        "${linux}/man/tovalin.zh_CN.1|zh_CN/tovalin.1.gz")
    string(REPLACE "|" ";" pair ${pair})
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${docs}/${target}
        COMMAND gzip -9nc ${source} > ${docs}/${target}
        DEPENDS ${source} VERBATIM)
    list(APPEND gzipped ${docs}/${target})
endforeach()
add_custom_target(tovalin_docs ALL DEPENDS ${gzipped})
install(FILES ${docs}/copyright ${docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovalin)
install(FILES ${docs}/tovalin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${docs}/zh_CN/tovalin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)

include(CPack)
