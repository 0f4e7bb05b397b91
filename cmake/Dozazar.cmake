# Shared build helpers of the suite.

if(DOZ_BUILD_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
if(DOZ_BUILD_BENCH)
  find_package(benchmark QUIET)
endif()

# Programs sit together in bin/ so one can start another "beside the running program",
# and the content pages and templates are copied next to them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)

# Our own code is warning-free; third-party headers come in as system headers.
add_compile_options(-Wall -Wextra -Werror)

function(doz_wanted folder out)
  if(DOZ_COMPONENTS STREQUAL "all")
    set(${out} TRUE PARENT_SCOPE)
  elseif(folder IN_LIST DOZ_COMPONENTS)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Adds a source folder, its mirror under tests/ and its benchmarks under bench/.
function(doz_add_component folder)
  doz_wanted(${folder} wanted)
  if(NOT wanted OR NOT EXISTS ${PROJECT_SOURCE_DIR}/${folder}/CMakeLists.txt)
    return()
  endif()
  add_subdirectory(${folder})
  if(DOZ_BUILD_TESTS AND EXISTS ${PROJECT_SOURCE_DIR}/tests/${folder}/CMakeLists.txt)
    add_subdirectory(tests/${folder} ${PROJECT_BINARY_DIR}/tests/${folder})
  endif()
  if(DOZ_BUILD_BENCH AND benchmark_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/bench/${folder}/CMakeLists.txt)
    add_subdirectory(bench/${folder} ${PROJECT_BINARY_DIR}/bench/${folder})
  endif()
endfunction()

# doz_add_test(NAME SOURCES ... LIBS ... [QT]) builds one GoogleTest runner and registers
# its tests with CTest. QT gives the runner an application object and the offscreen platform.
function(doz_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(T_QT)
    target_link_libraries(${name} PRIVATE ${T_LIBS} doz_qt_test_main GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  # One value per property: the discovery script splits lists apart.
  set(props ENVIRONMENT "DOZ_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(T_QT)
    list(APPEND props ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ${props}
    DISCOVERY_TIMEOUT 60)
endfunction()

# doz_add_bench(NAME SOURCES ... LIBS ...)
function(doz_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
endfunction()
