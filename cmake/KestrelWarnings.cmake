# Warnings and sanitizers shared by every target of the project.
add_library(kestrel_options INTERFACE)
target_compile_options(kestrel_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align)
# GCC 12 at -O3 reports string concatenation and vector inserts from the
# standard library itself as overlapping or out-of-bounds copies (GCC bugs
# 105329 and 105651); those warnings are unusable there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kestrel_options INTERFACE
    $<$<CONFIG:Release>:-Wno-restrict -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread>)
endif()
if(KESTREL_SANITIZE)
  target_compile_options(kestrel_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kestrel_options INTERFACE -fsanitize=address,undefined)
endif()
if(KESTREL_BUILD_FUZZERS)
  # Every library is instrumented for coverage; the fuzz targets add the driver.
  target_compile_options(kestrel_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
# The browser build uses WebAssembly's fixed-width SIMD (the blit kernels
# vectorise as they do on x86) and bulk memory (a row copy is one
# memory.copy instead of a loop in wasm). Every browser of the last three
# years has both (Chrome 91, Firefox 89, Safari 16.4).
if(EMSCRIPTEN)
  target_compile_options(kestrel_options INTERFACE -msimd128 -mbulk-memory)
  target_link_options(kestrel_options INTERFACE -msimd128 -mbulk-memory)
endif()
