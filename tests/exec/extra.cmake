# The class module of the Exec tests, loaded by name from the test's folder.
# The run log's month test runs in a zone east of Greenwich; the suite sets
# the shared directory table, so it runs alone.
add_library(zekexecmod SHARED ${dir}/module/exec_module.cpp ${dir}/module/exec_module.def)
set_target_properties(zekexecmod PROPERTIES PREFIX "")
target_link_libraries(zekexecmod PRIVATE ZEK2)
target_link_options(zekexecmod PRIVATE -static-libstdc++)
add_dependencies(test_exec zekexecmod)
set_tests_properties(exec PROPERTIES RUN_SERIAL TRUE ENVIRONMENT "TZ=Asia/Tokyo")
