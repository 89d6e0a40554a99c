# SPDX-License-Identifier: MIT
# Runs lupdate over the sources into copies of the .ts files, as the
# update_translations target does, and fails when a copy holds other messages
# than the committed file (a text or comment changed in the sources and the
# .ts files were not refreshed) or when any text is untranslated: a new tr()
# text, or a library text marked with TRELLUM_TRANSLATE_NOOP, needs its
# translation in every language before it lands. Messages are compared, not
# bytes: a file a translation platform wrote passes when its content is right.
# A .ts file whose language is not in LINGUAS would never reach the program.
# -DLUPDATE=... -DLCONVERT=... -DGENERATOR=GenerateLUpdateProject.cmake -DPROJECT_IN=... -DWORK=dir
# -DTS_DIR=shell/i18n -DLANGUAGES=de,fr,... (the build's list)
# -DLUPDATE_OPTIONS=the update_translations target's options, ";"-separated
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/copies)
include(${PROJECT_IN})
set(project ${WORK}/project.cmake)
file(WRITE ${project}
     "set(lupdate_project_file \"${lupdate_project_file}\")\n"
     "set(lupdate_include_paths \"${lupdate_include_paths}\")\n"
     "set(lupdate_sources \"${lupdate_sources}\")\n"
     "set(lupdate_translations \"\")\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${project} -DOUT_FILE=${WORK}/project.json -P ${GENERATOR}
                RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "could not write the lupdate project")
endif()
file(GLOB ts_files ${TS_DIR}/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no .ts files in ${TS_DIR}")
endif()
cmake_policy(SET CMP0057 NEW)
string(REPLACE "," ";" languages "${LANGUAGES}")
set(unlisted "")
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME_WE)
    string(REGEX REPLACE "^trellum_" "" language ${name})
    if(NOT language IN_LIST languages)
        string(APPEND unlisted " ${name}.ts")
    endif()
endforeach()
if(unlisted)
    message(FATAL_ERROR "not in packaging/po/LINGUAS, so never built:${unlisted}")
endif()
file(COPY ${ts_files} DESTINATION ${WORK}/copies)
file(GLOB copies ${WORK}/copies/*.ts)
string(REPLACE "," ";" options "${LUPDATE_OPTIONS}")
execute_process(COMMAND ${LUPDATE} -project ${WORK}/project.json ${options} -ts ${copies}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(result)
    message(FATAL_ERROR "lupdate failed")
endif()
# The messages of a .ts file, written out the one way lconvert writes them.
function(messages_of ts out)
    execute_process(COMMAND ${LCONVERT} -locations none -sort-contexts -i ${ts} -o ${out} RESULT_VARIABLE result)
    if(result)
        message(FATAL_ERROR "lconvert cannot read ${ts}")
    endif()
endfunction()
set(stale "")
set(missing "")
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME)
    messages_of(${ts} ${WORK}/committed_${name})
    messages_of(${WORK}/copies/${name} ${WORK}/refreshed_${name})
    file(READ ${WORK}/committed_${name} committed)
    file(READ ${WORK}/refreshed_${name} refreshed)
    if(NOT committed STREQUAL refreshed)
        string(APPEND stale "\n  ${name} (lupdate's copy: ${WORK}/copies/${name})")
    endif()
    string(REGEX MATCHALL "<translation type=\"unfinished\"|<translation></translation>" open "${refreshed}")
    list(LENGTH open count)
    if(count GREATER 0)
        string(APPEND missing "\n  ${name}: ${count} (lupdate's copy: ${WORK}/copies/${name})")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "the .ts files are not what lupdate makes of the sources; run the update_translations "
                        "target, translate what it marks unfinished and commit the .ts files:${stale}")
endif()
if(missing)
    message(FATAL_ERROR "untranslated texts; run the update_translations target and translate them:${missing}")
endif()
