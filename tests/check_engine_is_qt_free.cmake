# Fails when a file of the engine includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/src/model/* ${ROOT}/src/settings/* ${ROOT}/src/com/*
    ${ROOT}/src/match/* ${ROOT}/src/storage/* ${ROOT}/src/layout/*
    ${ROOT}/src/career/*
    ${ROOT}/src/broadcast_model/*)
foreach(f IN LISTS files)
    file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
    if(hits)
        message(FATAL_ERROR "${f} includes Qt: ${hits}")
    endif()
endforeach()
