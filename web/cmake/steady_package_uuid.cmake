# Run after linking a page: emscripten's file packager stamps each page's
# loader with a random "package_uuid" (used only by its preload cache, which
# the pages do not use), so two builds of the same sources would differ.
# The stamp becomes a name-based UUID of the page's name and its data file's
# SHA-256: the same data gives the same loader, byte for byte.
# Usage: cmake -DJS=page.js -DDATA=page.data -P steady_package_uuid.cmake
foreach(var JS DATA)
  if(NOT EXISTS "${${var}}")
    message(FATAL_ERROR "steady_package_uuid: ${var}=${${var}} does not exist")
  endif()
endforeach()
file(SHA256 "${DATA}" data_hash)
get_filename_component(page "${JS}" NAME_WE)
# The URL namespace of RFC 4122, with the page and the hash as the name.
string(UUID steady NAMESPACE 6ba7b811-9dad-11d1-80b4-00c04fd430c8 NAME "${page}:${data_hash}" TYPE SHA1)
string(TOLOWER "${steady}" steady)
file(READ "${JS}" loader)
string(REGEX MATCHALL "\"package_uuid\":\"[0-9a-f-]+\"" stamps "${loader}")
list(LENGTH stamps count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "steady_package_uuid: ${JS} holds ${count} package_uuid stamps, expected one")
endif()
string(REGEX REPLACE "\"package_uuid\":\"[0-9a-f-]+\"" "\"package_uuid\":\"${steady}\"" steadied "${loader}")
if(NOT steadied STREQUAL loader)
  file(WRITE "${JS}" "${steadied}")
endif()
