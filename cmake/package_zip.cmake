# Makes the player's download, WaypointDistance-<version>.zip, and SHA256SUMS beside it. The
# zip's bytes depend only on the source and the toolchain: its entries go in a fixed order with
# fixed permissions, and with the source's time stamp (see source_revision.cmake) in UTC.
# Run with cmake -P:
#
# -D SOURCE_DIR=... -D VERSION=1.2.3 -D DLL=.../WaypointDistance.asi -D OUTPUT_DIR=...
include(${CMAKE_CURRENT_LIST_DIR}/source_revision.cmake)
read_source_revision(${SOURCE_DIR})
source_version(${VERSION} release_version)

# The exact Debian packages that built the DLL, so that anyone can set up the same toolchain.
set(toolchain_packages
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev mingw-w64-common libfast-float-dev cmake zip)
set(build_info "WaypointDistance ${release_version}\n\n")
if(SOURCE_COMMIT)
    string(APPEND build_info "Source commit: ${SOURCE_COMMIT}")
    if(SOURCE_CHANGED)
        string(APPEND build_info " (with changes that were not committed)")
    endif()
    string(APPEND build_info "\n")
else()
    string(APPEND build_info "Source: not built from a git work tree\n")
endif()
string(APPEND build_info "Built on Debian 12 by the windows preset, with these packages:\n")
foreach(package IN LISTS toolchain_packages)
    execute_process(COMMAND dpkg-query -W -f=\${Version} ${package}
                    OUTPUT_VARIABLE package_version RESULT_VARIABLE missing ERROR_QUIET)
    if(missing)
        set(package_version "not installed")
    endif()
    string(APPEND build_info "  ${package} ${package_version}\n")
endforeach()

set(name WaypointDistance-${VERSION})
set(staging ${OUTPUT_DIR}/${name}-files)
set(entries WaypointDistance.asi INSTALL.txt CHANGELOG.md BUILDINFO.txt)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging})
file(COPY_FILE ${DLL} ${staging}/WaypointDistance.asi)
file(COPY_FILE ${SOURCE_DIR}/packaging/INSTALL.txt ${staging}/INSTALL.txt)
file(COPY_FILE ${SOURCE_DIR}/CHANGELOG.md ${staging}/CHANGELOG.md)
file(WRITE ${staging}/BUILDINFO.txt "${build_info}")
foreach(entry IN LISTS entries)
    file(CHMOD ${staging}/${entry} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()

set(zip ${OUTPUT_DIR}/${name}.zip)
file(REMOVE ${zip})
execute_process(COMMAND touch --no-create -d @${SOURCE_DATE_EPOCH} ${entries}
                WORKING_DIRECTORY ${staging} COMMAND_ERROR_IS_FATAL ANY)
# -X leaves out the owner and the extra time fields; TZ=UTC fixes the DOS times zip stores.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -q ${zip} ${entries}
                WORKING_DIRECTORY ${staging} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${staging})

file(SHA256 ${zip} zip_sum)
file(SHA256 ${DLL} dll_sum)
file(WRITE ${OUTPUT_DIR}/SHA256SUMS "${zip_sum}  ${name}.zip\n${dll_sum}  WaypointDistance.asi\n")
message(STATUS "${name}.zip (${release_version}) and SHA256SUMS in ${OUTPUT_DIR}")
