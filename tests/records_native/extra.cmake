# The record logic and the class run-time beneath it are built in, so the
# tests run on in-memory disks here as in the native lane.
file(GLOB record_logic CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/records/fd_io*.cpp
  ${CMAKE_SOURCE_DIR}/records/table_cursor.cpp)
target_sources(test_records_native PRIVATE ${record_logic}
  ${CMAKE_SOURCE_DIR}/runtime/class_table.cpp ${CMAKE_SOURCE_DIR}/runtime/name_index.cpp
  ${CMAKE_SOURCE_DIR}/runtime/object.cpp
  ${CMAKE_SOURCE_DIR}/runtime/zek_class.cpp ${CMAKE_SOURCE_DIR}/native/zek_class_network_native.cpp)
