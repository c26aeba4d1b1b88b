# Warning and floating-point flags shared by every target of the kit.
function(halvern_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
  if(HALVERN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(HALVERN_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(HALVERN_TSAN)
    target_compile_options(${target} PRIVATE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=thread)
  endif()
endfunction()

# A Qt-free core library: linking Qt here is a build error by construction.
function(halvern_core_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  halvern_target_options(${target})
endfunction()

# A GoogleTest suite registered with ctest.
function(halvern_gtest target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gtest_main)
  halvern_target_options(${target})
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core)
endfunction()

# A QtTest suite registered with ctest, run on the offscreen platform.
function(halvern_qtest target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE Qt6::Test)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  halvern_target_options(${target})
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES
    LABELS ui
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HALVERN_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
