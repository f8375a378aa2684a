# A Debian package of the Linux program: cpack -G DEB
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovalin)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR "Tovalin developers")
set(CPACK_PACKAGE_CONTACT "Tovalin developers <tovalin@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reverse the byte order of a 32-bit hex value")
set(CPACK_PACKAGE_DESCRIPTION
    "Tovalin turns the hexadecimal text of a 32-bit value into the same value with its\n"
    "four bytes in reverse order, so little-endian text becomes big-endian text and\n"
    "back: 1234 becomes 00001234 and 34120000. Its interface is Simplified Chinese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/tovalin/tovalin)
# Library dependencies come from the binary itself (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese captions need a CJK font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
include(CPack)
