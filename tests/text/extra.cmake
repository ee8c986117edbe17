# The cell arithmetic is internal to the library, so the suite compiles it
# in, as the native lane does.
target_sources(test_text PRIVATE ${CMAKE_SOURCE_DIR}/text/cells.cpp)
target_sources(test_text PRIVATE ${CMAKE_SOURCE_DIR}/text/edit_model.cpp)
