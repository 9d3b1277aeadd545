# Fails unless the newest release of the metainfo and the manual page's title line name VERSION,
# the project's version: a new version number must reach both.
file(READ "${METAINFO}" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${METAINFO}: the newest release is '${CMAKE_MATCH_1}', not '${VERSION}'")
endif()
file(STRINGS "${MANUAL_PAGE}" title REGEX "^\\.TH ")
if(NOT title MATCHES "\"Coinwell ${VERSION}\"")
    message(FATAL_ERROR "${MANUAL_PAGE}: the title line '${title}' does not name Coinwell ${VERSION}")
endif()
message(STATUS "the metainfo and the manual page name version ${VERSION}")
