# Tests that run under Wine, each in a lane of the test bed (scripts/lanes):
# an X display and a Wine prefix of its own, so tests in different lanes run
# side by side without sharing a pointer, a keyboard or the host's windows.
#
#   replymate_wine_test(NAME <name> TARGET <target> [ARGS <arguments>...]
#                       [EACH_CASE] [RUN_FIRST <regex>] [PROPERTIES <ctest properties>...])
#
# EACH_CASE makes every GoogleTest case of the program a test of its own,
# named <name>.<Suite>.<Case>, so a long program spreads over the lanes and
# `ctest -R` picks single cases. The cases are listed when ctest starts
# (cmake/wine_test_cases.cmake), again whenever the program was rebuilt.
# With RUN_FIRST, the cases whose names (<Suite>.<Case>) match it run first,
# and every other case of the program after all of them: a case that reports
# on what the others left behind.

get_filename_component(REPLYMATE_LANE_RUN ${CMAKE_CURRENT_LIST_DIR}/../scripts/lane-run ABSOLUTE)
set(REPLYMATE_WINE_TEST_CASES ${CMAKE_CURRENT_LIST_DIR}/wine_test_cases.cmake)

function(replymate_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "EACH_CASE" "NAME;TARGET;RUN_FIRST" "ARGS;PROPERTIES")
  # The lane's slot: one test at a time in each lane.
  set(properties RESOURCE_GROUPS lane:1 ${arg_PROPERTIES})
  set(launcher ${REPLYMATE_LANE_RUN} ${CMAKE_BINARY_DIR}/lanes ${CMAKE_CROSSCOMPILING_EMULATOR})
  if(NOT arg_EACH_CASE)
    add_test(NAME ${arg_NAME} COMMAND ${launcher} $<TARGET_FILE:${arg_TARGET}> ${arg_ARGS})
    set_tests_properties(${arg_NAME} PROPERTIES ${properties})
    return()
  endif()
  set(include ${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}_include.cmake)
  string(CONCAT content
    "set(case_name [==[${arg_NAME}]==])\n"
    "set(case_launcher [==[${launcher}]==])\n"
    "set(case_properties [==[${properties}]==])\n"
    "set(case_program [==[$<TARGET_FILE:${arg_TARGET}>]==])\n"
    "set(case_args [==[${arg_ARGS}]==])\n"
    "set(case_run_first [==[${arg_RUN_FIRST}]==])\n"
    "set(case_listing [==[${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}_cases.cmake]==])\n"
    "set(case_include [==[${include}]==])\n"
    "include([==[${REPLYMATE_WINE_TEST_CASES}]==])\n")
  file(GENERATE OUTPUT ${include} CONTENT "${content}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include})
endfunction()
