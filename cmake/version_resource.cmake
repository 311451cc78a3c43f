# Writes the DLL's version resource from its template, at build time, naming the source commit
# where there is one. Run with cmake -P; the file is rewritten only when its text changes.
#
# -D SOURCE_DIR=... -D VERSION=1.2.3 -D TEMPLATE=version.rc.in -D OUTPUT=version.rc
include(${CMAKE_CURRENT_LIST_DIR}/source_revision.cmake)
read_source_revision(${SOURCE_DIR})
source_version(${VERSION} PRODUCT_VERSION)
string(REPLACE "." ";" parts ${VERSION})
list(GET parts 0 VERSION_MAJOR)
list(GET parts 1 VERSION_MINOR)
list(GET parts 2 VERSION_PATCH)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
