# The bundle for Windows developers is made from both trees; this tree runs its
# own architecture's programs. A host script, so no GoogleTest summary: run.sh
# checks each program's own report instead.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(dist_arch x86_64)
  set(dist_i686_dll "${ZEK_I686_DLL}")
  set(dist_x64_dll ${CMAKE_BINARY_DIR}/bin/ZEK2.dll)
else()
  set(dist_arch i686)
  set(dist_i686_dll ${CMAKE_BINARY_DIR}/bin/ZEK2.dll)
  set(dist_x64_dll "${ZEK_X64_DLL}")
endif()
if(dist_i686_dll AND dist_x64_dll)
  # build tree = the folder above bin/ZEK2.dll
  get_filename_component(dist_i686_tree "${dist_i686_dll}" DIRECTORY)
  get_filename_component(dist_i686_tree "${dist_i686_tree}" DIRECTORY)
  get_filename_component(dist_x64_tree "${dist_x64_dll}" DIRECTORY)
  get_filename_component(dist_x64_tree "${dist_x64_tree}" DIRECTORY)
  add_test(NAME dist
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/run.sh ${dist_arch} ${CMAKE_CROSSCOMPILING_EMULATOR}
                   ${dist_i686_tree} ${dist_x64_tree})
  set_tests_properties(dist PROPERTIES TIMEOUT 120)
endif()
