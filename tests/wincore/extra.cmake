# Key translation reads the keyboard state, which windows of other tests
# running at the same time can change.
set_tests_properties(wincore PROPERTIES RUN_SERIAL TRUE)
