# The Debian package of an installed Velmar: cpack -G DEB in the build folder
# (scripts/package.sh). It holds what the install rules put under /usr.
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Velmar")
set(CPACK_PACKAGE_CONTACT "Velmar maintainers <maintainers@users.noreply.c-seed-ffe076fd.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cutting-list optimiser for stock bars")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmar nests the pieces of a cut list into stock bars of one length, for a
workshop: type the quantities and lengths (decimals or feet, inches and
fractions), the bar length, the width lost at each cut and the scrap
threshold, and read the cutting report of every bar with its cuts and
leftover, then a summary. Jobs are plain text files; the report prints.
velmar-batch calculates a job file without the window.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at
# run time is named by hand: without a platform plugin the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VELMAR_BUILD_UI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()

include(CPack)
