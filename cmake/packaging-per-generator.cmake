# Read by CPack for each generator: which components make up its package,
# and whether its files sit in a top folder (an archive's
# gorvi-VERSION-SYSTEM/) or at the root (the .deb's /usr/...).
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL program system_docs)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_COMPONENTS_ALL program archive_docs)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
