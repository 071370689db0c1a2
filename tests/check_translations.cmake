# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over the sources into a copy of each translation file and fails when the copy
# then holds an entry without a finished translation (a new or changed text) or one whose text
# left the sources (obsolete, vanished). The translation files themselves are not touched.
# -DLUPDATE=... -DSOURCE_DIR=... -DTS_FILES=a.ts|b.ts -DSOURCES=x.cpp|y.h -DWORK_DIR=...
string(REPLACE "|" ";" tsFiles "${TS_FILES}")
string(REPLACE "|" ";" sources "${SOURCES}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
list(JOIN sources "\n" sourceLines)
file(WRITE "${WORK_DIR}/sources.lst" "${sourceLines}\n")

set(problems "")
foreach(ts IN LISTS tsFiles)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK_DIR}/${name}")
    file(COPY_FILE "${ts}" "${copy}")
    execute_process(COMMAND "${LUPDATE}" -I "${SOURCE_DIR}" -locations none
                            "@${WORK_DIR}/sources.lst" -ts "${copy}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${output}${errors}")
    endif()
    # One list element a line. Semicolons (&apos; and the like) would split a line, and an
    # unmatched square bracket would join the lines after it, so all three are hidden first.
    file(READ "${copy}" content)
    string(REPLACE ";" "<semicolon>" content "${content}")
    string(REPLACE "[" "<open>" content "${content}")
    string(REPLACE "]" "<close>" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"(unfinished|obsolete|vanished)\"")
            string(APPEND problems "  ${name}: ${CMAKE_MATCH_1}: ${source}\n")
        endif()
    endforeach()
endforeach()

string(REPLACE "<semicolon>" ";" problems "${problems}")
string(REPLACE "<open>" "[" problems "${problems}")
string(REPLACE "<close>" "]" problems "${problems}")
if(problems)
    message(FATAL_ERROR "Translations to finish (run the update_translations target, then "
                        "translate):\n${problems}")
endif()
message(STATUS "Every text has its translation in ${TS_FILES}")
