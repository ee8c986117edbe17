# The clipboard and the active window are the whole desktop's.
set_tests_properties(fieldmenu PROPERTIES RUN_SERIAL TRUE)
