# The bundle is made from both trees (the folders above bin/ZEK2.dll); this
# tree runs its own architecture's programs. A host script, so no GoogleTest
# summary: run.sh checks each program's own report instead.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(dist_arch x86_64)
  set(dist_dlls "${ZEK_I686_DLL}" ${CMAKE_BINARY_DIR}/bin/ZEK2.dll)
  set(dist_other "${ZEK_I686_DLL}")
else()
  set(dist_arch i686)
  set(dist_dlls ${CMAKE_BINARY_DIR}/bin/ZEK2.dll "${ZEK_X64_DLL}")
  set(dist_other "${ZEK_X64_DLL}")
endif()
if(dist_other)
  list(TRANSFORM dist_dlls REPLACE "/bin/ZEK2.dll$" "" OUTPUT_VARIABLE dist_trees)
  add_test(NAME dist COMMAND ${CMAKE_CURRENT_LIST_DIR}/run.sh ${dist_arch}
                             ${CMAKE_CROSSCOMPILING_EMULATOR} ${dist_trees})
  set_tests_properties(dist PROPERTIES TIMEOUT 120)
endif()
