# Every target links this one interface target for its warnings and sanitizers.
add_library(sorvanta_flags INTERFACE)
if(MSVC)
    target_compile_options(sorvanta_flags INTERFACE /W4 /utf-8)
    if(SORVANTA_WERROR)
        target_compile_options(sorvanta_flags INTERFACE /WX)
    endif()
else()
    target_compile_options(sorvanta_flags INTERFACE -Wall -Wextra -Wpedantic)
    if(SORVANTA_WERROR)
        target_compile_options(sorvanta_flags INTERFACE -Werror)
    endif()
    if(SORVANTA_SANITIZE)
        target_compile_options(sorvanta_flags INTERFACE -fsanitize=address,undefined
                                                        -fno-omit-frame-pointer
                                                        -fno-sanitize-recover=undefined)
        target_link_options(sorvanta_flags INTERFACE -fsanitize=address,undefined)
    endif()
endif()
