# How a script hook plugin DLL is built for Windows: the shipped WaypointDistance.asi and the
# floor plugin that its load cost is measured against use this one recipe, so that they share
# the toolchain's flags exactly.
#
# The DLL carries only what it uses: no exceptions, no RTTI, no threading library (-no-pthread
# drops the driver's -lpthread), the runtime linked statically, nothing exported, no time stamp;
# link-time optimisation lets a frame's small functions run as one piece.
# The link map NAME.map beside the DLL lets tests/dll see which runtime objects came in.

set(script_hook_def ${PROJECT_SOURCE_DIR}/src/host/script_hook.def)
set(script_hook_import ${PROJECT_BINARY_DIR}/libScriptHookRDR2.a)
add_custom_command(
    OUTPUT ${script_hook_import}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${script_hook_def} --output-lib ${script_hook_import}
    DEPENDS ${script_hook_def}
    COMMENT "Making the ScriptHookRDR2.dll import library")
add_custom_target(script_hook_import DEPENDS ${script_hook_import})

function(add_plugin_dll name)
    add_library(${name} SHARED ${ARGN})
    add_dependencies(${name} script_hook_import)
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        SUFFIX ".asi"
        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}
        INTERPROCEDURAL_OPTIMIZATION TRUE)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE -Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections)
    target_link_options(${name} PRIVATE
        -static -no-pthread -Wl,--exclude-all-symbols -Wl,--gc-sections -Wl,--no-insert-timestamp -s
        -Wl,-Map=${PROJECT_BINARY_DIR}/${name}.map)
    target_link_libraries(${name} PRIVATE ${script_hook_import})
endfunction()
