# Helpers shared by the folders of the tree.

set_property(GLOBAL PROPERTY FELDSPAN_CORE_TARGETS "")

# feldspan_core_library(<name> [LINK libs...]) builds every .cpp of the calling folder (not of its
# sub-folders) into a static library and registers it as core code: no Qt Gui, no Qt Widgets.
function(feldspan_core_library name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _hdr CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${_src} ${_hdr})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  set_property(GLOBAL APPEND PROPERTY FELDSPAN_CORE_TARGETS ${name})
endfunction()

# Adds a folder when it has a CMakeLists.txt, so that a folder can be started without touching
# the file above it.
function(feldspan_add_optional_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

function(_feldspan_collect_links target out)
  set(_seen ${${out}})
  if(NOT TARGET ${target})
    return()
  endif()
  get_target_property(_aliased ${target} ALIASED_TARGET)
  if(_aliased)
    set(target ${_aliased})
  endif()
  get_target_property(_type ${target} TYPE)
  set(_libs "")
  if(NOT _type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(_l ${target} LINK_LIBRARIES)
    if(_l)
      list(APPEND _libs ${_l})
    endif()
  endif()
  get_target_property(_il ${target} INTERFACE_LINK_LIBRARIES)
  if(_il)
    list(APPEND _libs ${_il})
  endif()
  foreach(_lib IN LISTS _libs)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _lib "${_lib}")
    if(_lib IN_LIST _seen)
      continue()
    endif()
    list(APPEND _seen ${_lib})
    set(${out} ${_seen})
    _feldspan_collect_links(${_lib} ${out})
    set(_seen ${${out}})
  endforeach()
  set(${out} ${_seen} PARENT_SCOPE)
endfunction()

function(feldspan_check_core_targets)
  get_property(_targets GLOBAL PROPERTY FELDSPAN_CORE_TARGETS)
  foreach(_t IN LISTS _targets)
    set(_all "")
    _feldspan_collect_links(${_t} _all)
    foreach(_forbidden Qt6::Gui Qt6::Widgets Qt::Gui Qt::Widgets)
      if(_forbidden IN_LIST _all)
        message(FATAL_ERROR "${_t} is core code and must not link ${_forbidden}")
      endif()
    endforeach()
  endforeach()
endfunction()

# feldspan_gtest(<name> LINK libs...) builds the .cpp files of the calling folder into one test
# program and registers its cases with ctest.
function(feldspan_gtest name)
  cmake_parse_arguments(ARG "" "" "LINK;SOURCES;POSIX_ONLY;WINDOWS_ONLY" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    # Cases that need a pseudo-terminal, fork or the simulated terminal in-process stay on Linux.
    set(_others ${ARG_POSIX_ONLY})
  else()
    # Cases of the Windows registry and its other services.
    set(_others ${ARG_WINDOWS_ONLY})
  endif()
  foreach(_f IN LISTS _others)
    list(REMOVE_ITEM _src ${CMAKE_CURRENT_SOURCE_DIR}/${_f})
  endforeach()
  if(NOT _src)
    # A test folder whose first file is still being written must not stop the whole tree.
    message(STATUS "${name}: no test files yet, skipped")
    return()
  endif()
  add_executable(${name} ${_src} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(WIN32)
    # A main of our own, which takes the QT_* variables that Wine keeps from a Windows program.
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/WindowsTestMain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LINK} feldspan_base GTest::gtest Threads::Threads)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest GTest::gtest_main Threads::Threads)
  endif()
  # The tests' environment comes through `env` in front of the test program: a list-valued
  # ENVIRONMENT property does not survive gtest_discover_tests (only its first entry arrives).
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    # Under wine: the paths as the Windows program sees them (Wine's drive Z: is the root), and the
    # tests listed when ctest runs, not while building.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
      "env;FELDSPAN_BIN_DIR=Z:${CMAKE_BINARY_DIR}/bin;FELDSPAN_DATA_DIR=Z:${FELDSPAN_DATA_DIR};FELDSPAN_SOURCE_DIR=Z:${PROJECT_SOURCE_DIR};${CMAKE_CROSSCOMPILING_EMULATOR}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 DISCOVERY_MODE PRE_TEST)
  else()
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
      "env;FELDSPAN_BIN_DIR=${CMAKE_BINARY_DIR}/bin;FELDSPAN_DATA_DIR=${FELDSPAN_DATA_DIR};FELDSPAN_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
