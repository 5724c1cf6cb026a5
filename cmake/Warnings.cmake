# Every target of ours links `warnings`; third-party code keeps its own flags. -Werror is on in our presets and
# in CI; a packager building with another compiler may turn it off (VELMAR_WERROR=OFF) without editing us.
option(VELMAR_WERROR "Treat compiler warnings as errors" ON)
add_library(warnings INTERFACE)
target_compile_options(warnings INTERFACE -Wall -Wextra $<$<BOOL:${VELMAR_WERROR}>:-Werror>)

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
