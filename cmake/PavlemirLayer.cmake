# One static library per folder under src/. Each library publishes its headers through an
# include folder of its own, build/include/<layer>/<layer> -> src/<layer>, so that
# `#include "surface/Surface.h"` only resolves in targets that link the surface layer.
function(pavlemir_layer layer)
  cmake_parse_arguments(ARG "" "" "USES;EXTERNAL" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target pavlemir_${layer})
  add_library(${target} STATIC ${sources})
  set(include_root ${CMAKE_BINARY_DIR}/include/${layer})
  file(MAKE_DIRECTORY ${include_root})
  if(NOT EXISTS ${include_root}/${layer})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_root}/${layer} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${include_root})
  set(uses)
  foreach(used IN LISTS ARG_USES)
    list(APPEND uses pavlemir_${used})
  endforeach()
  target_link_libraries(${target} PUBLIC ${uses} ${ARG_EXTERNAL} PRIVATE pavlemir_options)
endfunction()

# A unit-test executable for one layer: every tests/<layer>/*.cpp file, run through CTest.
function(pavlemir_layer_tests layer)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${layer}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target test_${layer})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} pavlemir_test_support GTest::gtest_main
                                          pavlemir_options)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
                       TEST_PREFIX "${layer}." PROPERTIES TIMEOUT 300)
endfunction()
