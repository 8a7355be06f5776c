# `cmake --install` into a scratch prefix puts every file of the Linux
# installation in place, the hack links to the program, and the installed
# program knows its version.
# cmake -DBUILD=<build dir> -DPREFIX=<scratch prefix> -DVERSION=<x.y.z> -P install_test.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(path
    bin/quorvan3d bin/qvtool libexec/xscreensaver/quorvan3d share/xscreensaver/config/quorvan3d.xml
    share/applications/quorvan3d.desktop share/man/man1/quorvan3d.1 share/man/man1/qvtool.1
    share/doc/quorvan3d/README.md share/doc/quorvan3d/LICENSE)
  if(NOT EXISTS ${PREFIX}/${path})
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()
if(NOT IS_SYMLINK ${PREFIX}/libexec/xscreensaver/quorvan3d)
  message(SEND_ERROR "the hack is not a link to bin/quorvan3d")
endif()
execute_process(COMMAND ${PREFIX}/libexec/xscreensaver/quorvan3d --version OUTPUT_VARIABLE said RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT said STREQUAL "quorvan3d ${VERSION}\n")
  message(SEND_ERROR "the installed hack says '${said}' (exit ${status})")
endif()
file(REMOVE_RECURSE ${PREFIX})
