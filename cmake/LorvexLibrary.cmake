# Each library exports only its own folder: a target that links lorvex_core can write
# #include "core/..." but finds nothing of ui/, cli/ or any other folder through it. The folder
# is made visible through a link in the build tree, since the sources sit side by side.
function(lorvex_export_folder target folder)
    cmake_path(GET CMAKE_CURRENT_FUNCTION_LIST_DIR PARENT_PATH source_root)
    set(include_root ${PROJECT_BINARY_DIR}/exported/${folder})
    file(MAKE_DIRECTORY ${include_root})
    if(NOT EXISTS ${include_root}/${folder})
        file(CREATE_LINK ${source_root}/${folder} ${include_root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${include_root})
endfunction()
