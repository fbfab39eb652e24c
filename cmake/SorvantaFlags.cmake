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
    if(SORVANTA_FUZZ)
        # Every library the targets link is instrumented for coverage, so the
        # fuzzer is guided by the parsers' branches and not only by the
        # target's own few lines; libFuzzer itself is linked by the targets.
        if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
            message(FATAL_ERROR "SORVANTA_FUZZ needs clang (libFuzzer)")
        endif()
        target_compile_options(sorvanta_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                        -fno-sanitize-recover=undefined
                                                        -fno-omit-frame-pointer)
        target_link_options(sorvanta_flags INTERFACE -fsanitize=address,undefined)
    endif()
endif()
