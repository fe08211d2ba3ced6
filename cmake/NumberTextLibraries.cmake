# Number text reads with fast_float and writes with fmt, both used from their headers alone.
# Every build sees them through a folder holding just those two headers' folders, so that a
# cross compiler gets them without the rest of the host's /usr/include.
# Sets NUMBER_TEXT_LIBRARIES_INCLUDE_DIR.
find_path(FMT_INCLUDE_DIR fmt/format.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(NUMBER_TEXT_LIBRARIES_INCLUDE_DIR ${CMAKE_BINARY_DIR}/number-text-include)
file(MAKE_DIRECTORY ${NUMBER_TEXT_LIBRARIES_INCLUDE_DIR})
file(CREATE_LINK ${FMT_INCLUDE_DIR}/fmt ${NUMBER_TEXT_LIBRARIES_INCLUDE_DIR}/fmt SYMBOLIC)
file(CREATE_LINK ${FAST_FLOAT_INCLUDE_DIR}/fast_float ${NUMBER_TEXT_LIBRARIES_INCLUDE_DIR}/fast_float SYMBOLIC)
