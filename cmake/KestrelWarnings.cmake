# Warnings and sanitizers shared by every target of the project.
add_library(kestrel_options INTERFACE)
target_compile_options(kestrel_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align)
if(KESTREL_SANITIZE)
  target_compile_options(kestrel_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kestrel_options INTERFACE -fsanitize=address,undefined)
endif()
if(KESTREL_BUILD_FUZZERS)
  # Every library is instrumented for coverage; the fuzz targets add the driver.
  target_compile_options(kestrel_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
