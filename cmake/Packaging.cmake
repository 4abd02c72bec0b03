# What an install holds besides the game itself: the four demo programs
# under names of their own with their data, the AppStream metadata and the
# manual pages stamped with the project version and, for the Debian package
# (KESTREL_DEBIAN_PACKAGE), the package's documents and CPack's DEB settings.

set(kestrel_packaging_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${kestrel_packaging_out})

# The Debian package compresses its manual pages and changelogs (gzip -n:
# no name or time stamp, so the bytes depend on the contents only).
function(kestrel_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" gzip ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()

set(kestrel_man_pages)
set(kestrel_gzipped)

# ---- The game's metadata and manual page -------------------------------------
if(TARGET shooter)
  configure_file(${PROJECT_SOURCE_DIR}/shooter/install/io.github.kestrel.Shooter.metainfo.xml.in
                 ${kestrel_packaging_out}/io.github.kestrel.Shooter.metainfo.xml @ONLY)
  install(FILES ${kestrel_packaging_out}/io.github.kestrel.Shooter.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  configure_file(${PROJECT_SOURCE_DIR}/shooter/install/shooter.6.in ${kestrel_packaging_out}/shooter.6 @ONLY)
  list(APPEND kestrel_man_pages ${kestrel_packaging_out}/shooter.6)
endif()

# ---- The demo programs -------------------------------------------------------
# Build target, installed name, manual page summary, manual page keys.
set(kestrel_demo_rows
  "flight_test|kestrel-flight-test|a jet flying over farmland and forest|Arrow keys fly, A fires on release, keypad + and \\- change the scroll speed, Space shows enemy planes, Esc quits."
  "flight_test_plain|kestrel-flight-test-plain|the flight scene pared down to one jet picture|Arrow keys (also two at once) fly in eight directions, A fires, Esc quits."
  "timing_test|kestrel-timing-test|balls stepping at very different intervals|Left and Right move the character, Esc leaves, then any key ends."
  "collision_test|kestrel-collision-test|balls bouncing off each other through collision boxes|Left and Right move, hold B to show the boxes (unpaced), hold N to hide them (paced), Esc leaves, then any key ends.")

if(TARGET flight_test)
  foreach(row IN LISTS kestrel_demo_rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 target)
    list(GET fields 1 KESTREL_DEMO_NAME)
    list(GET fields 2 KESTREL_DEMO_SUMMARY)
    list(GET fields 3 KESTREL_DEMO_KEYS)
    string(TOUPPER "${KESTREL_DEMO_NAME}" KESTREL_MAN_TITLE)
    string(REPLACE "-" "\\-" KESTREL_DEMO_NAME "${KESTREL_DEMO_NAME}")
    list(GET fields 1 installed)
    install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${KESTREL_INSTALL_BINDIR} RENAME ${installed})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/kestrel-demo.6.in ${kestrel_packaging_out}/${installed}.6 @ONLY)
    list(APPEND kestrel_man_pages ${kestrel_packaging_out}/${installed}.6)
  endforeach()
  # Every picture and sound the demo programs load, as the demo generator's
  # manifest names them.
  include(${PROJECT_SOURCE_DIR}/cmake/GeneratedFiles.cmake)
  kestrel_install_generated(${KESTREL_RUN_DIR}/${KESTREL_DEMO_MANIFEST_NAME} ${KESTREL_INSTALL_DATA})
endif()

# ---- Release programs without build notes ------------------------------------
# The release links with -s; this also drops the .comment and .note sections
# the C runtime's objects bring along, as dh_strip does.
if(KESTREL_DEBIAN_PACKAGE AND CMAKE_STRIP)
  set(kestrel_installed_programs shooter)
  foreach(row IN LISTS kestrel_demo_rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 1 installed)
    list(APPEND kestrel_installed_programs ${installed})
  endforeach()
  foreach(program IN LISTS kestrel_installed_programs)
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KESTREL_INSTALL_BINDIR}/${program}\" COMMAND_ERROR_IS_FATAL ANY)")
  endforeach()
endif()

# ---- Manual pages ------------------------------------------------------------
if(KESTREL_DEBIAN_PACKAGE)
  foreach(page IN LISTS kestrel_man_pages)
    kestrel_gzip(${page} ${page}.gz)
    list(APPEND kestrel_gzipped ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  endforeach()
else()
  install(FILES ${kestrel_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# ---- The Debian package ------------------------------------------------------
if(KESTREL_DEBIAN_PACKAGE)
  # The project has no public mail host yet; a release for an archive sets
  # the real address here.
  set(KESTREL_MAINTAINER "Kestrel developers <dev@kestrel.example.org>"
      CACHE STRING "Maintainer of the Debian package (name <address>)")
  set(KESTREL_DEBIAN_REVISION 1)

  # changelog.Debian: the newest CHANGELOG.md entry, its bullets as Debian
  # changelog items, dated on the release day.
  file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md changelog_lines)
  set(in_entry FALSE)
  set(items "")
  foreach(line IN LISTS changelog_lines)
    if(line MATCHES "^## \\[")
      if(in_entry)
        break()
      endif()
      set(in_entry TRUE)
    elseif(in_entry AND line MATCHES "^- (.*)$")
      string(APPEND items "  * ${CMAKE_MATCH_1}\n")
    elseif(in_entry AND line MATCHES "^  +(.*)$")
      string(APPEND items "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  execute_process(COMMAND date -u -R -d "${KESTREL_RELEASE_DATE} 00:00:00"
                  OUTPUT_VARIABLE release_day OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  file(WRITE ${kestrel_packaging_out}/changelog.Debian
       "kestrel (${PROJECT_VERSION}-${KESTREL_DEBIAN_REVISION}) unstable; urgency=medium\n\n"
       "${items}\n -- ${KESTREL_MAINTAINER}  ${release_day}\n")
  kestrel_gzip(${kestrel_packaging_out}/changelog.Debian ${kestrel_packaging_out}/changelog.Debian.gz)
  kestrel_gzip(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${kestrel_packaging_out}/changelog.gz)
  list(APPEND kestrel_gzipped ${kestrel_packaging_out}/changelog.Debian.gz ${kestrel_packaging_out}/changelog.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
                ${kestrel_packaging_out}/changelog.Debian.gz ${kestrel_packaging_out}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrel)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME kestrel)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_CONTACT "${KESTREL_MAINTAINER}")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_PACKAGE_RELEASE ${KESTREL_DEBIAN_REVISION})
  set(CPACK_DEBIAN_FILE_NAME kestrel_${PROJECT_VERSION}_amd64.deb)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The Depends line comes from dpkg-shlibdeps run on the installed programs.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vertically scrolling air-combat shoot-'em-up")
  # The synopsis above is the Description's first line; this is the rest.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "Kestrel is a set of five small arcade programs. In the main one, shooter,\n"
      "you fly a fighter over a scrolling sea, shoot down waves of enemy planes,\n"
      "gun boats and ships, survive a boss that returns tougher every minute,\n"
      "collect five kinds of bonus and enter your name in the top-ten table.\n"
      "It plays with the keyboard or a game pad, in a sharp scaled window or\n"
      "full screen.\n"
      ".\n"
      "Four demo programs (kestrel-flight-test, kestrel-flight-test-plain,\n"
      "kestrel-timing-test, kestrel-collision-test) show small game scenes.\n"
      "Every picture and sound is the project's own work.")
  string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  include(CPack)
endif()

if(kestrel_gzipped)
  add_custom_target(kestrel_package_documents ALL DEPENDS ${kestrel_gzipped})
endif()
