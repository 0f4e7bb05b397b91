# The device manager driven through the real main window: trees, selections, device functions
# and the alias commands.
doz_add_test(device_manager_tests QT
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/device_trees_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/device_functions_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/alias_tree_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/alias_commands_test.cpp
    LIBS revorur_program radezuvivarirare doz_ui_testing doz_test_support_engine Qt6::Test)
