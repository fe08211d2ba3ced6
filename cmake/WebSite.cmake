# Puts the page together in SITE, a folder any static web server can serve: the program's
# .js and .wasm (from BUILT), the page, its manifest and icons (from SOURCE), and the service
# worker, whose cache is named after the files it keeps, so that a change to any of them
# makes a new worker and cache.
# Run with cmake -D SOURCE=... -D BUILT=... -D SITE=... -D VERSION=... -P WebSite.cmake.
file(MAKE_DIRECTORY ${SITE})
set(BUILT_FILES dravello.js dravello.wasm)
set(PAGE_FILES index.html manifest.webmanifest icon-192.png icon-512.png)
foreach(built ${BUILT_FILES})
    file(COPY_FILE ${BUILT}/${built} ${SITE}/${built} ONLY_IF_DIFFERENT)
endforeach()
foreach(page ${PAGE_FILES})
    file(COPY_FILE ${SOURCE}/packaging/web/${page} ${SITE}/${page} ONLY_IF_DIFFERENT)
endforeach()
file(COPY_FILE ${SOURCE}/packaging/linux/icons/hicolor/scalable/apps/org.dravello.Dravello.svg ${SITE}/icon.svg
    ONLY_IF_DIFFERENT)
# Every file of the page but the worker: what it keeps, and what names its cache.
set(DRAVELLO_WEB_BUILD "")
set(DRAVELLO_WEB_FILES "'./'")
foreach(kept ${BUILT_FILES} ${PAGE_FILES} icon.svg)
    file(SHA256 ${SITE}/${kept} hash)
    string(APPEND DRAVELLO_WEB_BUILD ${hash})
    string(APPEND DRAVELLO_WEB_FILES ", '${kept}'")
endforeach()
string(SHA256 DRAVELLO_WEB_BUILD ${DRAVELLO_WEB_BUILD})
string(SUBSTRING ${DRAVELLO_WEB_BUILD} 0 12 DRAVELLO_WEB_BUILD)
set(PROJECT_VERSION ${VERSION})
configure_file(${SOURCE}/packaging/web/sw.js.in ${SITE}/sw.js @ONLY)
