# The Windows metafile reader.
target_sources(platform_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/metafile.h ${CMAKE_CURRENT_LIST_DIR}/metafile.cpp)
