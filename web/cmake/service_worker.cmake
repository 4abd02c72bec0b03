# Writes the site's service worker once every other file of the site is
# built: its cache is named after the release's version and a hash of the
# files' contents, so a site that differs in any file gets a cache of its
# own, and two builds of the same sources give the same worker.
# Usage: cmake -DSITE=folder -DVERSION=x.y.z -DTEMPLATE=service_worker.js.in -P service_worker.cmake
file(GLOB files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files service_worker.js)
list(SORT files)
set(hashes "")
set(quoted "")
foreach(f ${files})
  if(IS_DIRECTORY "${SITE}/${f}")
    continue()
  endif()
  file(SHA256 "${SITE}/${f}" hash)
  string(APPEND hashes "${f}:${hash}\n")
  list(APPEND quoted "'${f}'")
endforeach()
string(SHA256 site_hash "${hashes}")
string(SUBSTRING "${site_hash}" 0 12 site_hash)
set(KESTREL_SITE_VERSION "${VERSION}-${site_hash}")
list(JOIN quoted ", " KESTREL_SITE_FILES)
# The site's front page is also asked for as the folder itself.
string(PREPEND KESTREL_SITE_FILES "'./', ")
configure_file("${TEMPLATE}" "${SITE}/service_worker.js" @ONLY)
