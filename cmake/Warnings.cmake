# Every target of ours links `warnings`; third-party code keeps its own flags. -Werror is ours to choose: on in
# our presets and so in CI, off in a plain build, where another compiler's new warnings must not stop a packager.
option(VELMAR_WERROR "Treat compiler warnings as errors (the presets turn it on)" OFF)
add_library(warnings INTERFACE)
target_compile_options(warnings INTERFACE -Wall -Wextra $<$<BOOL:${VELMAR_WERROR}>:-Werror>)
# GCC 12 at -O3 reports std::string concatenation as overlapping copies (its bug 105329): noise, not a finding.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(warnings INTERFACE -Wno-restrict)
endif()

# A sanitizer build instruments everything this project compiles (we build no third-party code), so it is set
# for the whole tree here rather than carried by a target.
if(VELMAR_SANITIZER STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
elseif(VELMAR_SANITIZER STREQUAL "fuzzer")
    # libFuzzer's coverage for everything, its main for the fuzz targets alone (they add -fsanitize=fuzzer).
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
elseif(VELMAR_SANITIZER STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT VELMAR_SANITIZER STREQUAL "")
    message(FATAL_ERROR "VELMAR_SANITIZER must be empty, address, thread or fuzzer")
endif()
