# The export test reads both built libraries and the export list as files; a
# tree knows its own library and is told where the other architecture's is.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(x64_dll ${CMAKE_BINARY_DIR}/bin/ZEK2.dll)
  set(i686_dll "${ZEK_I686_DLL}")
else()
  set(x64_dll "${ZEK_X64_DLL}")
  set(i686_dll ${CMAKE_BINARY_DIR}/bin/ZEK2.dll)
endif()
zek_windows_path(def_path ${CMAKE_SOURCE_DIR}/ZEK2.def)
zek_windows_path(x64_path "${x64_dll}")
zek_windows_path(i686_path "${i686_dll}")
target_compile_definitions(test_exports PRIVATE
  "ZEK_DEF_FILE=\"${def_path}\""
  "ZEK_DLL_X64=\"${x64_path}\""
  "ZEK_DLL_I686=\"${i686_path}\"")
# A caller written in C, linked through the import library like a program.
target_sources(test_exports PRIVATE ${CMAKE_CURRENT_LIST_DIR}/c_caller.c)
