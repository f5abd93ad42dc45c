# Script mode: builds the user's guide pages (see Guide.cmake).
# SOURCE_DIR, OUTPUT_DIR, GALLERY_DIR, LANGUAGES, SIM, LEGS, VERSION.

execute_process(COMMAND ${SIM} --legs ${LEGS} OUTPUT_VARIABLE sim_output
    RESULT_VARIABLE sim_result)
if(NOT sim_result EQUAL 0)
    message(FATAL_ERROR "dvk-sim failed: ${sim_result}")
endif()

# dvk-sim prints per level: level, legs, darts per leg, 3-dart average, first-9 average,
# check-out percentage and its speed.
set(level_rows "")
set(level_count 0)
string(REPLACE "\n" ";" sim_lines "${sim_output}")
foreach(line IN LISTS sim_lines)
    if(line MATCHES "^ *([0-9]+) +[0-9]+ +([0-9.]+) +([0-9.]+) +([0-9.]+) +([0-9.]+) ")
        string(APPEND level_rows "<tr><td>${CMAKE_MATCH_1}</td><td>${CMAKE_MATCH_3}</td>"
            "<td>${CMAKE_MATCH_4}</td><td>${CMAKE_MATCH_5}</td><td>${CMAKE_MATCH_2}</td></tr>\n")
        math(EXPR level_count "${level_count} + 1")
    endif()
endforeach()
if(NOT level_count EQUAL 12)
    message(FATAL_ERROR "dvk-sim printed ${level_count} levels instead of 12:\n${sim_output}")
endif()

foreach(language IN LISTS LANGUAGES)
    file(READ ${SOURCE_DIR}/${language}/index.html page)
    string(REPLACE "@DVK_VERSION@" "${VERSION}" page "${page}")
    string(REPLACE "@DVK_SIM_LEGS@" "${LEGS}" page "${page}")
    string(REPLACE "@DVK_LEVEL_ROWS@" "${level_rows}" page "${page}")
    if(page MATCHES "@DVK_[A-Z_]+@")
        message(FATAL_ERROR "${language}/index.html: unknown placeholder ${CMAKE_MATCH_0}")
    endif()

    set(out ${OUTPUT_DIR}/${language})
    file(REMOVE_RECURSE ${out})
    file(MAKE_DIRECTORY ${out}/pictures)
    string(REGEX MATCHALL "pictures/[A-Za-z0-9_]+\\.png" pictures "${page}")
    list(REMOVE_DUPLICATES pictures)
    foreach(picture IN LISTS pictures)
        set(rendered ${GALLERY_DIR}/${language}/${picture})
        string(REPLACE "/pictures/" "/" rendered "${rendered}")
        # Pictures of what the gallery cannot draw (the Broadcast room's web pages, taken in a
        # browser) are kept with the guide's sources.
        if(NOT EXISTS ${rendered})
            set(rendered ${SOURCE_DIR}/${picture})
            string(REPLACE "/pictures/" "/pictures/${language}/" rendered "${rendered}")
        endif()
        if(NOT EXISTS ${rendered})
            message(FATAL_ERROR "${language}/index.html shows ${picture}, which the gallery "
                "does not render (${rendered})")
        endif()
        file(COPY_FILE ${rendered} ${out}/${picture})
    endforeach()
    file(COPY_FILE ${SOURCE_DIR}/guide.css ${out}/guide.css)
    file(WRITE ${out}/index.html "${page}")
endforeach()
