# cmake -DOBJDUMP=<objdump> -DFILE=<program> -P check_imports.cmake
# Fails unless the program imports only DLLs that every Windows has: the C++ runtime, libgcc
# and winpthreads must be linked in, not shipped beside it.
cmake_minimum_required(VERSION 3.25)
set(allowed kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll)

execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${FILE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "${FILE} has no import table")
endif()
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  if(NOT lower IN_LIST allowed)
    message(FATAL_ERROR "${FILE} imports ${dll}")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
