# The search predicate is internal to the library, so the suite compiles it in.
target_sources(test_runingwin_native PRIVATE ${CMAKE_SOURCE_DIR}/process/title_match.cpp)
