# The one version of the project (project() in the top CMakeLists.txt), its
# release date from CHANGELOG.md, and the install layout the programs are
# built for. Writes kestrel/build_info.h for the programs.

# The first release heading of CHANGELOG.md must name this version, so the
# version cannot drift between the two.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md kestrel_release_heads REGEX "^## \\[")
list(GET kestrel_release_heads 0 kestrel_release_head)
if(NOT kestrel_release_head MATCHES "^## \\[([0-9.]+)\\] - ([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "CHANGELOG.md: the first heading must read \"## [VERSION] - YYYY-MM-DD\", not \"${kestrel_release_head}\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md's newest entry is ${CMAKE_MATCH_1}, the project version is ${PROJECT_VERSION}")
endif()
set(KESTREL_RELEASE_DATE "${CMAKE_MATCH_2}-${CMAKE_MATCH_3}-${CMAKE_MATCH_4}")
set(kestrel_month_names January February March April May June July August September October November December)
math(EXPR kestrel_month_index "${CMAKE_MATCH_3} - 1")
list(GET kestrel_month_names ${kestrel_month_index} kestrel_month_name)
set(KESTREL_RELEASE_MONTH "${kestrel_month_name} ${CMAKE_MATCH_2}")

# Install layout. A plain install puts the programs in bin/ and the data in
# share/kestrel; the Debian package uses the games layout (games/ and
# share/games/kestrel under /usr).
option(KESTREL_DEBIAN_PACKAGE "Install in the Debian games layout and configure CPack's DEB generator" OFF)
include(GNUInstallDirs)
if(KESTREL_DEBIAN_PACKAGE)
  set(kestrel_default_bindir games)
  set(kestrel_default_datadir ${CMAKE_INSTALL_DATADIR}/games/kestrel)
else()
  set(kestrel_default_bindir ${CMAKE_INSTALL_BINDIR})
  set(kestrel_default_datadir ${CMAKE_INSTALL_DATADIR}/kestrel)
endif()
set(KESTREL_INSTALL_BINDIR ${kestrel_default_bindir} CACHE STRING "Folder of the installed programs, under the prefix")
set(KESTREL_INSTALL_DATA ${kestrel_default_datadir} CACHE STRING "Folder of the read-only data, under the prefix")
file(RELATIVE_PATH KESTREL_DATA_RELATIVE /prefix/${KESTREL_INSTALL_BINDIR} /prefix/${KESTREL_INSTALL_DATA})

configure_file(${CMAKE_CURRENT_LIST_DIR}/build_info.h.in ${CMAKE_BINARY_DIR}/generated/kestrel/build_info.h @ONLY)
add_library(kestrel_build_info INTERFACE)
target_include_directories(kestrel_build_info INTERFACE ${CMAKE_BINARY_DIR}/generated)
