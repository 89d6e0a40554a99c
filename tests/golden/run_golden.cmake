# Runs one golden key script through trellum-keys and compares its output.
# The script holds key tokens; each line "#> ..." holds one expected runner line
# verbatim (tabs included), in order. Runner options may be given on a line
# "#! --state"; @DIR@ there stands for the script's folder.
file(READ ${SCRIPT} content)
string(REGEX MATCHALL "#>[^\n]*" expected_lines "${content}")
set(expected "")
foreach(line ${expected_lines})
    string(REGEX REPLACE "^#> ?" "" line "${line}")
    string(APPEND expected "${line}\n")
endforeach()
set(options "")
string(REGEX MATCH "#![^\n]*" option_line "${content}")
if(option_line)
    string(REGEX REPLACE "^#! *" "" option_line "${option_line}")
    separate_arguments(options UNIX_COMMAND "${option_line}")
    get_filename_component(script_dir ${SCRIPT} DIRECTORY)
    list(TRANSFORM options REPLACE "@DIR@" "${script_dir}")
endif()
execute_process(COMMAND ${RUNNER} ${options} INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "trellum-keys exited with ${status} on ${SCRIPT}")
endif()
if(NOT actual STREQUAL expected)
    get_filename_component(name ${SCRIPT} NAME)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
    message(FATAL_ERROR "output differs from the expected lines of ${SCRIPT}; got (also in ${name}.actual):\n${actual}")
endif()
