# Writes OUTPUT from TEMPLATE, with @LORVEX_PNG_ARRAYS@ replaced by one byte array per entry of
# IMAGES, "name=path" pairs joined by "|": constexpr unsigned char name[] = {0x89, 0x50, ...};
cmake_minimum_required(VERSION 3.25)

set(LORVEX_PNG_ARRAYS "")
string(REPLACE "|" ";" images "${IMAGES}")
foreach(entry IN LISTS images)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    get_filename_component(file_name "${path}" NAME)
    file(READ "${path}" hex HEX)
    if(hex STREQUAL "")
        message(FATAL_ERROR "${path} is empty")
    endif()
    # Sixteen bytes to a line, each written as 0xNN followed by a comma.
    string(REPEAT "[0-9a-f]" 32 sixteen_bytes)
    string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n" bytes "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${bytes}")
    string(REGEX REPLACE " \n" "\n    " bytes "${bytes}")
    string(REGEX REPLACE "[ \n]+$" "" bytes "${bytes}")
    string(APPEND LORVEX_PNG_ARRAYS
           "// ${file_name}\nconstexpr unsigned char ${name}[] = {\n    ${bytes}\n};\n\n")
endforeach()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
