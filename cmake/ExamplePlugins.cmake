# dvk_install_example_plugin(<target>): installs a plug-in library built from examples/plugins
# with the program, under <libdir>/dvk/plugins (see Install.cmake).
function(dvk_install_example_plugin target)
    set_property(GLOBAL APPEND PROPERTY DVK_EXAMPLE_PLUGINS ${target})
endfunction()
