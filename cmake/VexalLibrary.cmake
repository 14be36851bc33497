# vexal_library(name [QT] [DEPENDS lib...])
# One static library per subsystem folder, from every source file in it.
function(vexal_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# vexal_test(name [QT_APP] LIBS lib...)
# One test program per tests/ folder, from every .cpp in it; each case is its own ctest.
# QT_APP: the program's main creates a QApplication (headless).
function(vexal_test name)
  cmake_parse_arguments(ARG "QT_APP" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(ARG_QT_APP)
    list(APPEND sources ${CMAKE_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    set(test_main "")
  else()
    set(test_main GTest::gtest_main)
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${test_main} GTest::gtest GTest::gmock)
  # The tests' own code builds unoptimised (about a third faster to compile); the code under test
  # keeps the build's optimisation.
  target_compile_options(${name} PRIVATE -O0)
  target_compile_definitions(${name} PRIVATE
    VEXAL_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data/"
    VEXAL_TEST_OUTPUT_DIR="${CMAKE_CURRENT_BINARY_DIR}/"
    VEXAL_PROGRAM_DIR="${VEXAL_PROGRAM_DIR}/"
    VEXAL_SOURCE_DIR="${CMAKE_SOURCE_DIR}/")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
