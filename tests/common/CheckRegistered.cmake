# Fails when a test compiled into one of the test programs is not registered
# with CTest, or is registered more than once: each program lists its tests
# (--gtest_list_tests), CTest lists the commands it would run (ctest -N -V).
#
#   cmake -DCTEST=<ctest> -DBUILD_DIR=<build tree> -DPROGRAMS=<file, one path a line>
#         -P CheckRegistered.cmake

file(STRINGS ${PROGRAMS} programs)
execute_process(COMMAND ${CTEST} -N -V --test-dir ${BUILD_DIR}
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ctest -N failed (${status}):\n${errors}")
endif()

# Each registered test as "program|Suite.Test".
set(registered)
string(REGEX MATCHALL "Test command: [^\n]*" commands "${listing}")
foreach(command IN LISTS commands)
  if(command MATCHES "Test command: \"?([^ \"]+)\"? \"--gtest_filter=([^\"]*)\"")
    list(APPEND registered "${CMAKE_MATCH_1}|${CMAKE_MATCH_2}")
  endif()
endforeach()

set(faults)
set(once ${registered})
list(REMOVE_DUPLICATES once)
foreach(entry IN LISTS once)
  list(FIND registered "${entry}" first)
  list(REMOVE_AT registered ${first})
  list(FIND registered "${entry}" again)
  if(NOT again EQUAL -1)
    string(APPEND faults "  registered more than once: ${entry}\n")
  endif()
endforeach()

set(compiled 0)
foreach(program IN LISTS programs)
  if(NOT EXISTS "${program}")
    string(APPEND faults "  not built: ${program}\n")
    continue()
  endif()
  execute_process(COMMAND "${program}" --gtest_list_tests
                  OUTPUT_VARIABLE tests RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(APPEND faults "  cannot list its tests: ${program}\n")
    continue()
  endif()
  string(REPLACE "\n" ";" lines "${tests}")
  set(suite "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^  ")
      string(REGEX REPLACE " +#.*" "" name "${line}")
      string(STRIP "${name}" name)
      math(EXPR compiled "${compiled} + 1")
      list(FIND once "${program}|${suite}.${name}" found)
      if(found EQUAL -1)
        string(APPEND faults "  never runs: ${suite}.${name} (${program})\n")
      endif()
    elseif(NOT line STREQUAL "")
      string(REGEX REPLACE "\\.( *#.*)?$" "" suite "${line}")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Tests that do not run exactly once under CTest:\n${faults}")
endif()
list(LENGTH programs count)
message(STATUS "${compiled} tests of ${count} programs, each registered once")
