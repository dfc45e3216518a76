# One CTest entry per test program: every start of Wine costs time.
#   add_wine_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <seconds>] [OWN_MAIN])
# The program is linked with GoogleTest and run under Wine by tools/wine-run.sh.
# OWN_MAIN leaves out gtest_main, for programs that also act as child processes.
function(add_wine_test)
  cmake_parse_arguments(T "OWN_MAIN" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_OWN_MAIN)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()
