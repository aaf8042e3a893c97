# The Windows metafile reader, on crafted files, files made by another program and damaged files.
bt_test(tst_metafile platform/tst_metafile.cpp platform_ui)
target_compile_definitions(tst_metafile PRIVATE BRAMBLETON_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
