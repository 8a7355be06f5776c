# qv_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>])
# One GoogleTest program per subsystem, registered with ctest.
# Tests may keep scratch files in QV_TEST_TMP, a folder of the build tree.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-tmp)

function(qv_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QV_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp")
endfunction()
