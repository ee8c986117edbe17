# Keys typed into a child read the keyboard state, which windows of other
# tests running at the same time can change.
set_tests_properties(mdi PROPERTIES RUN_SERIAL TRUE)
