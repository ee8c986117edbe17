# The ring bookkeeping is tested directly as well as through the exports.
target_sources(test_shared_log PRIVATE ${CMAKE_SOURCE_DIR}/env/shared_log.cpp)
add_dependencies(test_shared_log zek_shared_peer)
set_tests_properties(shared_log PROPERTIES RUN_SERIAL TRUE)
