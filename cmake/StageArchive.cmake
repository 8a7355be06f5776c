# cmake -DSTAGE=dir -DSOURCES="dir1;dir2" -P StageArchive.cmake
# Gathers the archive's members from several folders into one fresh folder;
# a folder that does not exist adds nothing.
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
foreach(source IN LISTS SOURCES)
  if(IS_DIRECTORY "${source}")
    file(COPY "${source}/" DESTINATION "${STAGE}")
  endif()
endforeach()
