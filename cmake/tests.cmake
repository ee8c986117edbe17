# GoogleTest from Debian's sources, built with the cross compiler; every
# tests/<dir> becomes one test program, run by CTest through the Wine loader
# of its architecture (tools/run-test.sh).
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Windows paths of build products, for tests that open them as files.
function(zek_windows_path out path)
  string(REPLACE "/" "\\\\" win "Z:${path}")
  set(${out} "${win}" PARENT_SCOPE)
endfunction()

file(GLOB test_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir ${test_dirs})
  if(NOT IS_DIRECTORY ${dir})
    continue()
  endif()
  get_filename_component(name ${dir} NAME)
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT test_sources)
    # A folder without a GoogleTest program registers its own test.
    if(EXISTS ${dir}/extra.cmake)
      include(${dir}/extra.cmake)
    endif()
    continue()
  endif()
  add_executable(test_${name} ${test_sources})
  target_link_libraries(test_${name} PRIVATE ZEK2 gtest_main gtest)
  target_link_options(test_${name} PRIVATE -static-libstdc++)
  add_test(NAME ${name}
           COMMAND ${CMAKE_SOURCE_DIR}/tools/run-test.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                   $<TARGET_FILE:test_${name}> --gtest_color=no
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # A suite takes seconds; one that hangs fails here instead of holding CI.
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(EXISTS ${dir}/extra.cmake)
    include(${dir}/extra.cmake)
  endif()
endforeach()
