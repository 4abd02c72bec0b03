# The generators' manifests. Each generator writes its files into the run
# folder and then a manifest naming them, one a line. The build, the package
# and the web pages take the file names from the manifests, so a data file is
# named only in the generator's code.
#
# A manifest is made when the generator runs, after CMake has configured: an
# install reads it when it runs (install(CODE)), and the browser build reads
# the manifests of the native build it packages from, which has run already.

set(KESTREL_GAME_MANIFEST_NAME game_files.txt)
set(KESTREL_DEMO_MANIFEST_NAME demo_files.txt)

# kestrel_install_generated(<manifest> <destination>)
# Installs the files the manifest names, from the manifest's folder, into
# <destination> under the install prefix.
function(kestrel_install_generated manifest destination)
  get_filename_component(folder ${manifest} DIRECTORY)
  install(CODE "
    file(STRINGS \"${manifest}\" kestrel_generated)
    if(NOT kestrel_generated)
      message(FATAL_ERROR \"${manifest} names no files: build the generators first\")
    endif()
    list(TRANSFORM kestrel_generated PREPEND \"${folder}/\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${destination}\" TYPE FILE FILES \${kestrel_generated})")
endfunction()

# kestrel_read_manifest(<variable> <manifest>)
# The names in a manifest that exists when CMake configures; a change of the
# manifest configures again.
function(kestrel_read_manifest variable manifest)
  if(NOT EXISTS ${manifest})
    message(FATAL_ERROR "${manifest} is missing: build the native generators first (scripts/web.sh does)")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
  file(STRINGS ${manifest} names)
  set(${variable} ${names} PARENT_SCOPE)
endfunction()
