# The message layer is internal to the library, so the suite compiles it in.
target_sources(test_network_native PRIVATE ${CMAKE_SOURCE_DIR}/process/net_wire.cpp
  ${CMAKE_SOURCE_DIR}/process/net_marshal.cpp ${CMAKE_SOURCE_DIR}/process/net_dispatch.cpp
  ${CMAKE_SOURCE_DIR}/process/net_registry.cpp ${CMAKE_SOURCE_DIR}/process/net_dedup.cpp)
