# SPDX-License-Identifier: MIT
# Compiles a file that includes HEADER against the include ROOTS ("|"-separated)
# and expects it to fail because the header is not found; any other outcome fails.
string(REPLACE "|" ";" roots "${ROOTS}")
set(flags)
foreach(root ${roots})
    list(APPEND flags -I${root})
endforeach()
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/probe.cpp "#include \"${HEADER}\"\n")
execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only ${flags} ${WORK}/probe.cpp
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(status EQUAL 0)
    message(FATAL_ERROR "${HEADER} compiles against ${roots}, where it must not be reachable")
elseif(NOT errors MATCHES "${HEADER}: No such file")
    message(FATAL_ERROR "${HEADER} failed for another reason than not being found:\n${errors}")
endif()
