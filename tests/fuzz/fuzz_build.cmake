# The fuzzing configuration: everything compiled with clang's coverage instrumentation and the
# address and undefined-behaviour sanitizers, and only the libFuzzer targets and their tests built.
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DLORVEX_FUZZ=ON
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "LORVEX_FUZZ=ON needs clang++ (libFuzzer): "
                        "configure a new build folder with -DCMAKE_CXX_COMPILER=clang++")
endif()
if(LORVEX_SANITIZE)
    message(FATAL_ERROR "LORVEX_FUZZ=ON brings its own sanitizers; leave LORVEX_SANITIZE off")
endif()

set(LORVEX_BUILD_GUI OFF)
set(LORVEX_BUILD_TESTS OFF)
set(LORVEX_BUILD_BENCH OFF)

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
enable_testing()
