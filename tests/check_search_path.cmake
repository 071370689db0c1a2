# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=<file> -P check_search_path.cmake
#
# The program carries no library search path of its own: its libraries are linked in and Qt's
# are the system's. An empty entry in one is the working directory, where any library named
# like one the program needs would be loaded in its place.
file(READ_ELF "${PROGRAM}" RUNPATH runpath RPATH rpath)
if(runpath OR rpath)
    message(FATAL_ERROR "${PROGRAM} has a library search path: RUNPATH '${runpath}' RPATH '${rpath}'")
endif()
