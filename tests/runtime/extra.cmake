# Helpers of the run-time tests: a class module, a plain library and a second
# process; built beside the tests, which load or start them by name.
add_library(zektestmod SHARED ${dir}/module/test_module.cpp ${dir}/module/test_module.def)
set_target_properties(zektestmod PROPERTIES PREFIX "")
target_link_libraries(zektestmod PRIVATE ZEK2)
target_link_options(zektestmod PRIVATE -static-libstdc++)
add_library(zekplain SHARED ${dir}/module/plain_module.c)
set_target_properties(zekplain PROPERTIES PREFIX "")
add_executable(zek_shared_peer ${dir}/peer/shared_peer.cpp)
target_link_libraries(zek_shared_peer PRIVATE ZEK2)
target_link_options(zek_shared_peer PRIVATE -static-libstdc++)
add_dependencies(test_runtime zektestmod zekplain zek_shared_peer)
set_tests_properties(runtime PROPERTIES RUN_SERIAL TRUE)
