# The raster arithmetic is internal to the library (nothing of it is
# exported), so the suite compiles it in, as the native lane does.
file(GLOB raster_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/graphics/raster/*.cpp)
target_sources(test_raster PRIVATE ${raster_sources})
target_include_directories(test_raster PRIVATE ${CMAKE_SOURCE_DIR}/include)
