# The trace tests read the log that every process shares.
set_tests_properties(winloop PROPERTIES RUN_SERIAL TRUE)
