# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that includes between the source folders run one way:
#   core <- color <- lists <- palettes <- cli <- app <- ui
# A folder may include headers of its own and of the folders to its left, never to its right;
# app/main.cpp, the executable, may include anything. The folders of the core library (core,
# color, lists, palettes, cli) may include Qt Core's headers only, so no widget reaches the
# logic.
# Only the main window's own files and app/main.cpp include the main window's header: tool
# windows take the shared sample state (ui/samples.h) and the window's commands
# (ui/colorcommands.h).
#   cmake -DSOURCE_DIR=<src> -DQTCORE_INCLUDE_DIR=<QtCore headers> -P check_layering.cmake
set(order core color lists palettes cli app ui)
set(coreFolders core color lists palettes cli)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(problems "")
foreach(source IN LISTS sources)
    if(source STREQUAL "app/main.cpp")
        continue()
    endif()
    string(REGEX MATCH "^[^/]+" folder ${source})
    list(FIND order ${folder} rank)
    if(rank EQUAL -1)
        string(APPEND problems "\n  ${source}: the folder ${folder} has no place in the order")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"ui/tform1\\.h\""
           AND NOT source MATCHES "^ui/tform1[^/]*\\.(cpp|h)$")
            string(APPEND problems "\n  ${source}: ${line} (a tool takes Samples and ColorCommands)")
        endif()
        if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/[^\"]*\"")
            set(target ${CMAKE_MATCH_1})
            list(FIND order ${target} targetRank)
            if(targetRank EQUAL -1 OR targetRank GREATER rank)
                string(APPEND problems "\n  ${source}: ${line} (${folder} may not include ${target})")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>")
            set(header ${CMAKE_MATCH_1})
            list(FIND coreFolders ${folder} isCore)
            if(NOT isCore EQUAL -1 AND NOT EXISTS ${QTCORE_INCLUDE_DIR}/${header})
                string(APPEND problems "\n  ${source}: ${line} (not a Qt Core header)")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes against the direction of the folders:${problems}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files include in the right direction")
