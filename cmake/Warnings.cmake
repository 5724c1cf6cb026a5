# Every target of ours links `warnings`; third-party code keeps its own flags.
add_library(warnings INTERFACE)
target_compile_options(warnings INTERFACE -Wall -Wextra -Werror)

add_library(sanitizers INTERFACE)
if(VELMAR_SANITIZER STREQUAL "address")
    target_compile_options(sanitizers INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                -fno-omit-frame-pointer)
    target_link_options(sanitizers INTERFACE -fsanitize=address,undefined)
elseif(VELMAR_SANITIZER STREQUAL "thread")
    target_compile_options(sanitizers INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(sanitizers INTERFACE -fsanitize=thread)
elseif(NOT VELMAR_SANITIZER STREQUAL "")
    message(FATAL_ERROR "VELMAR_SANITIZER must be empty, address or thread")
endif()
target_link_libraries(warnings INTERFACE sanitizers)
