# A second process that reads and writes the shared system font names.
add_executable(zek_font_peer ${dir}/peer/font_peer.cpp)
target_link_libraries(zek_font_peer PRIVATE ZEK2)
target_link_options(zek_font_peer PRIVATE -static-libstdc++)
add_dependencies(test_fonts zek_font_peer)
# The system font names are shared with every process, the runtime tests' too.
set_tests_properties(fonts PROPERTIES RUN_SERIAL TRUE)
