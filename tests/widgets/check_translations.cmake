# Runs lupdate over the sources into copies of the .ts files, as the
# update_translations target does, and fails when a copy differs from the
# committed file (a text, comment or location changed in the sources and the
# .ts files were not refreshed) or when any text is untranslated: a new tr()
# text, or a library text marked with TRELLUM_TRANSLATE_NOOP, needs its
# translation in every language before it lands. A .ts file whose language is
# not in the build's list would never reach the program.
# -DLUPDATE=... -DGENERATOR=GenerateLUpdateProject.cmake -DPROJECT_IN=... -DWORK=dir
# -DSOURCE_DIR=the source tree -DTS_DIR=shell/i18n -DLANGUAGES=de,fr,... (the build's list)
# -DLUPDATE_OPTIONS=the update_translations target's options, ";"-separated
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# lupdate writes locations relative to the .ts file: the copies and the sources
# they are made from stand in a mirror of the source tree, in the same places.
set(mirror ${WORK}/tree)
include(${PROJECT_IN})
set(mirrored_sources)
foreach(source ${lupdate_sources})
    file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
    get_filename_component(folder ${mirror}/${relative} DIRECTORY)
    file(COPY ${source} DESTINATION ${folder})
    list(APPEND mirrored_sources ${mirror}/${relative})
endforeach()
file(RELATIVE_PATH ts_folder ${SOURCE_DIR} ${TS_DIR})
set(mirrored_project ${WORK}/project.cmake)
file(WRITE ${mirrored_project}
     "set(lupdate_project_file \"${lupdate_project_file}\")\n"
     "set(lupdate_include_paths \"${lupdate_include_paths}\")\n"
     "set(lupdate_sources \"${mirrored_sources}\")\n"
     "set(lupdate_translations \"\")\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${mirrored_project} -DOUT_FILE=${WORK}/project.json -P ${GENERATOR}
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
    message(FATAL_ERROR "not in trellum_languages of shell/CMakeLists.txt, so never built:${unlisted}")
endif()
set(copies)
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${mirror}/${ts_folder})
    list(APPEND copies ${mirror}/${ts_folder}/${name})
endforeach()
string(REPLACE "," ";" options "${LUPDATE_OPTIONS}")
execute_process(COMMAND ${LUPDATE} -project ${WORK}/project.json ${options} -ts ${copies}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(result)
    message(FATAL_ERROR "lupdate failed")
endif()
set(stale "")
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME)
    file(READ ${ts} committed)
    file(READ ${mirror}/${ts_folder}/${name} refreshed)
    if(NOT committed STREQUAL refreshed)
        string(APPEND stale "\n  ${name} (lupdate's copy: ${mirror}/${ts_folder}/${name})")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "the .ts files are not what lupdate makes of the sources; run the update_translations "
                        "target, translate what it marks unfinished and commit the .ts files:${stale}")
endif()
set(missing "")
foreach(copy ${copies})
    file(READ ${copy} text)
    # Qt's layout direction needs an answer only where the language reads
    # right to left: left untranslated, the application stays left to right.
    string(REGEX REPLACE "<source>QT_LAYOUT_DIRECTION</source>[^<]*(<extracomment>[^<]*</extracomment>[^<]*)?<translation type=\"unfinished\"" ""
           text "${text}")
    string(REGEX MATCHALL "<translation type=\"unfinished\"|<translation></translation>" open "${text}")
    list(LENGTH open count)
    if(count GREATER 0)
        get_filename_component(name ${copy} NAME)
        string(APPEND missing "\n  ${name}: ${count} (lupdate's copy: ${copy})")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "untranslated texts; run the update_translations target and translate them:${missing}")
endif()
