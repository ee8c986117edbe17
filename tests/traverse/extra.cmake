# The traverse program's computation file, tested on its own.
target_sources(test_traverse PRIVATE ${CMAKE_SOURCE_DIR}/samples/traverse/compute.c)
target_include_directories(test_traverse PRIVATE ${CMAKE_SOURCE_DIR}/samples/traverse)
