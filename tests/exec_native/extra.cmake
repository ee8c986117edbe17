# The pure parts of program execution are internal to the library, so the
# suite compiles them in, as the native lane does.
target_sources(test_exec_native PRIVATE ${CMAKE_SOURCE_DIR}/process/command_text.cpp
  ${CMAKE_SOURCE_DIR}/process/exec_log_rules.cpp ${CMAKE_SOURCE_DIR}/process/exception_text.cpp
  ${CMAKE_SOURCE_DIR}/process/help_address.cpp)
