# Each library exports only its own folder: a target that links lorvex_core_system can write
# #include "core/system/..." but finds nothing of core/analysis/, ui/, cli/ or any other folder
# through it. The folder is made visible through a link in the build tree, since the sources sit
# side by side.
function(lorvex_export_folder target folder)
    cmake_path(GET CMAKE_CURRENT_FUNCTION_LIST_DIR PARENT_PATH source_root)
    string(REPLACE "/" "_" include_name ${folder})
    set(include_root ${PROJECT_BINARY_DIR}/exported/${include_name})
    set(link ${include_root}/${folder})
    cmake_path(GET link PARENT_PATH link_parent)
    file(MAKE_DIRECTORY ${link_parent})
    if(NOT EXISTS ${link})
        file(CREATE_LINK ${source_root}/${folder} ${link} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${include_root})
    else()
        target_include_directories(${target} PUBLIC ${include_root})
    endif()
endfunction()
