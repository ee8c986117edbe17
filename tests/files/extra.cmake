# The pure helpers behind SetUxProgDir and CreateTreeDirectory are tested
# directly; a second process reads and sets the shared directory table.
target_sources(test_files PRIVATE ${CMAKE_SOURCE_DIR}/env/tree_levels.cpp
               ${CMAKE_SOURCE_DIR}/env/dir_table.cpp)
add_executable(zek_dirs_peer ${dir}/peer/dirs_peer.cpp)
target_link_libraries(zek_dirs_peer PRIVATE ZEK2)
target_link_options(zek_dirs_peer PRIVATE -static-libstdc++)
add_dependencies(test_files zek_dirs_peer)
set_tests_properties(files PROPERTIES RUN_SERIAL TRUE)
