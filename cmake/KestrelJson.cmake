# nlohmann-json (Debian: nlohmann-json3-dev), headers only, as the target
# kestrel_nlohmann_json. Cross builds (Windows, the browser) look in their
# own sysroot, where it is not; they read the build machine's copy through a
# folder that shows nothing else of /usr/include, so no other header of the
# build machine can stand in for the target's own.
if(TARGET kestrel_nlohmann_json)
  return()
endif()
add_library(kestrel_nlohmann_json INTERFACE)
find_package(nlohmann_json 3 QUIET GLOBAL)
if(nlohmann_json_FOUND)
  target_link_libraries(kestrel_nlohmann_json INTERFACE nlohmann_json::nlohmann_json)
  return()
endif()
find_path(KESTREL_NLOHMANN_JSON_ROOT nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT KESTREL_NLOHMANN_JSON_ROOT)
  message(FATAL_ERROR "nlohmann/json.hpp not found: install nlohmann-json3-dev")
endif()
set(kestrel_json_root ${CMAKE_BINARY_DIR}/rooms/kestrel_nlohmann_json)
file(MAKE_DIRECTORY ${kestrel_json_root})
file(CREATE_LINK ${KESTREL_NLOHMANN_JSON_ROOT}/nlohmann ${kestrel_json_root}/nlohmann SYMBOLIC)
target_include_directories(kestrel_nlohmann_json SYSTEM INTERFACE ${kestrel_json_root})
