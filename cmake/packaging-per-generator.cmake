# Read by CPack for each generator: which components make up its package.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL program system_docs)
else()
  set(CPACK_COMPONENTS_ALL program archive_docs)
endif()
