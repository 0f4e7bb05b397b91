# The alias store helpers, the alias dialogs and the sub-type dialogs, with the real alias
# library over a temporary store (and an empty table where the library is missing).
doz_add_test(alias_dialog_tests QT
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/alias_api_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/alias_dialog_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/subtype_dialogs_test.cpp
    LIBS revorur_devices radezuvivarirare doz_ui_testing doz_test_support Qt6::Test)
