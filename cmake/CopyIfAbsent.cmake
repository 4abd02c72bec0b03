# cmake -DSOURCE=... -DDEST=... -P CopyIfAbsent.cmake
# Copies SOURCE to DEST only when DEST does not exist yet.
if(NOT EXISTS "${DEST}")
  file(COPY_FILE "${SOURCE}" "${DEST}")
endif()
