# Installing and packaging, for the top-level project.
#
# `cmake --install` puts gorvi in <prefix>/bin (on Windows gorvi.exe in
# <prefix> itself) and the license and README in <prefix>/share/doc/gorvi.
# CPack makes, from the same rules:
#   Linux:   a .deb (/usr/bin/gorvi, the license as /usr/share/doc/gorvi/copyright)
#            and a .tar.gz (bin/gorvi, LICENSE, README.md)
#   Windows: a .zip (gorvi.exe, LICENSE, README.md)
# The version is project()'s.
if(WIN32)
  set(program_destination .)
else()
  set(program_destination ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS gorvi RUNTIME DESTINATION ${program_destination} COMPONENT program)
# The documents sit in the Debian places in a system install and the .deb,
# and beside the program in an archive, which a user unpacks anywhere.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright COMPONENT system_docs)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT system_docs)
install(FILES LICENSE README.md DESTINATION . COMPONENT archive_docs EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME gorvi)
set(CPACK_PACKAGE_VENDOR "the gorvi authors")
set(CPACK_PACKAGE_CONTACT "the gorvi authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "gorvi reads five integers from gorvi.in in the current folder: the range of a first
amount, the range of a second amount, and a divisor. It writes to gorvi.out the pair
with the largest sum that is a multiple of the divisor and, for that sum, the largest
second amount, or -1 when no pair qualifies.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB TGZ)
endif()
# One package per generator, holding the program and the documents laid out
# for that generator (see packaging-per-generator.cmake).
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/packaging-per-generator.cmake)
# Archives are named gorvi-VERSION-SYSTEM; CPack tells win32 from win64 only
# for MSVC, so a MinGW build says which it is.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_SYSTEM_NAME win32)
elseif(WIN32)
  set(CPACK_SYSTEM_NAME win64)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT GORVI_STATIC)
  # A dynamic build depends on the system's C and C++ libraries.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
