# Rooms: each library of the tree sees only the headers of the rooms it
# links. Every room gets an include folder of its own under build/rooms/
# that holds links to its own sources (a folder, or single header files),
# at the path the code includes them by ("shooter/game/player.h"). No target
# has the source tree itself on its include path, so an include of a room
# that the target does not link does not compile: the arrows of
# docs/architecture.md are the link lines of the CMake files.
#
# kestrel_room(<target> <PUBLIC|INTERFACE> PATHS <path>...)
#   <path> is relative to the source tree: a folder (all of it is shown) or
#   a glob of header files (only those are shown; a new header in that
#   folder is picked up at the next configure).
function(kestrel_room target scope)
  cmake_parse_arguments(ARG "" "" "PATHS" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/rooms/${target})
  file(REMOVE_RECURSE ${root})
  foreach(pattern ${ARG_PATHS})
    if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${pattern})
      set(paths ${pattern})
    else()
      file(GLOB paths CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${pattern})
      if(NOT paths)
        message(FATAL_ERROR "kestrel_room(${target}): nothing matches ${pattern}")
      endif()
    endif()
    foreach(path ${paths})
      get_filename_component(parent ${root}/${path} DIRECTORY)
      file(MAKE_DIRECTORY ${parent})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()
