# The state machine is internal to the library: built in here.
target_sources(test_furniture_native PRIVATE ${CMAKE_SOURCE_DIR}/furniture/button_state.cpp)
