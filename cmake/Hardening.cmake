# Debian's hardening flags (fortified functions, stack protector, read-only relocations bound
# at start) as dpkg-buildflags gives them, for every target of a normal build. The optimisation
# and debug flags stay with the build type; the build folders are mapped to "." so that no
# path of the machine that built dvk ends up in what is installed.
find_program(DVK_DPKG_BUILDFLAGS dpkg-buildflags)

function(dvk_debian_flags kind out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DVK_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-g$|^-O[0-9s]?$|^-ffile-prefix-map=")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(DVK_DPKG_BUILDFLAGS)
    dvk_debian_flags(CPPFLAGS dvk_cppflags)
    dvk_debian_flags(CXXFLAGS dvk_cxxflags)
    dvk_debian_flags(LDFLAGS dvk_ldflags)
else()
    # Elsewhere, the same flags by hand.
    set(dvk_cppflags -D_FORTIFY_SOURCE=2)
    set(dvk_cxxflags -fstack-protector-strong -Wformat -Werror=format-security)
    set(dvk_ldflags -Wl,-z,relro -Wl,-z,now)
endif()
# Fortified functions need the optimiser; a Debug build goes without them.
if(CMAKE_BUILD_TYPE STREQUAL "Debug" OR CMAKE_BUILD_TYPE STREQUAL "")
    list(FILTER dvk_cppflags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
endif()
add_compile_options(${dvk_cppflags} ${dvk_cxxflags}
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
add_link_options(${dvk_ldflags})
