# The button, menu, toolbar and MDI arithmetic and state machines are internal
# to the library, so the suite compiles them in, as the native lane does.
target_sources(test_furniture_native PRIVATE ${CMAKE_SOURCE_DIR}/furniture/button_entry.cpp
  ${CMAKE_SOURCE_DIR}/furniture/button_dib.cpp ${CMAKE_SOURCE_DIR}/furniture/button_layout.cpp
  ${CMAKE_SOURCE_DIR}/furniture/button_geometry.cpp ${CMAKE_SOURCE_DIR}/furniture/button_state.cpp
  ${CMAKE_SOURCE_DIR}/furniture/menu_table.cpp ${CMAKE_SOURCE_DIR}/furniture/toolbar_place.cpp
  ${CMAKE_SOURCE_DIR}/furniture/toolbar_file.cpp ${CMAKE_SOURCE_DIR}/furniture/mdi_rules.cpp)
