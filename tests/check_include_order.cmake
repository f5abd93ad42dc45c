# Fails when an engine file includes a header of a folder that is not below its own.
#
# The floors, bottom up:
#   0 model                the plain records
#   1 settings, com        each on the records only
#   2 match                the rules of play
#   3 storage, layout      bytes and files, and the screen's formulas; both may use the rules
#   3 broadcast_model      what other screens see of the match and may ask of it
#   4 career               the archive's rows and career figures, over the rules and the CSV files
# A folder may include its own headers and those of lower floors; folders on one floor never
# include each other, and no engine folder includes the window layer.
cmake_minimum_required(VERSION 3.25)

set(floor_model 0)
set(floor_settings 1)
set(floor_com 1)
set(floor_match 2)
set(floor_storage 3)
set(floor_layout 3)
set(floor_career 4)
set(floor_broadcast_model 3)
set(window_layer screen shell dialogs platform plugins archive)

set(violations "")
foreach(folder model settings com match storage layout career broadcast_model)
    file(GLOB_RECURSE files ${ROOT}/src/${folder}/*.h ${ROOT}/src/${folder}/*.cpp)
    foreach(f IN LISTS files)
        file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" target "${line}")
            if(target STREQUAL folder)
                continue()
            endif()
            if(target IN_LIST window_layer)
                list(APPEND violations "${f}: ${line} (the engine never includes the window layer)")
            elseif(NOT DEFINED floor_${target})
                list(APPEND violations "${f}: ${line} (unknown folder '${target}')")
            elseif(NOT floor_${target} LESS floor_${folder})
                list(APPEND violations "${f}: ${line} ('${folder}' may not include '${target}')")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes against the order of the engine's folders:\n  ${text}")
endif()
