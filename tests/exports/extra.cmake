# The export test reads both built libraries and the export list as files.
zek_windows_path(def_path ${CMAKE_SOURCE_DIR}/ZEK2.def)
zek_windows_path(x64_path ${CMAKE_BINARY_DIR}/bin/ZEK2.dll)
zek_windows_path(i686_path "${ZEK_I686_DLL}")
target_compile_definitions(test_exports PRIVATE
  "ZEK_DEF_FILE=\"${def_path}\""
  "ZEK_DLL_X64=\"${x64_path}\""
  "ZEK_DLL_I686=\"${i686_path}\"")
