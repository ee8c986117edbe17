# The cell arithmetic is internal to the library, so the suite compiles it
# in, as the native lane does.
target_sources(test_text PRIVATE ${CMAKE_SOURCE_DIR}/text/cells.cpp)
target_sources(test_text PRIVATE ${CMAKE_SOURCE_DIR}/text/edit_model.cpp)
target_sources(test_text PRIVATE ${CMAKE_SOURCE_DIR}/text/typed_values.cpp)
# The typed fields' test asks the input-method manager whether a field opened it.
target_link_libraries(test_text PRIVATE imm32)
