# One CTest entry per test program: every start of Wine costs time.
#   add_wine_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <seconds>])
# The program is linked with GoogleTest and run under Wine by tools/wine-run.sh.
function(add_wine_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()
