# The revision a build is made from, read at build time so that a new commit is seen without a
# new configure. Sets, in the caller's scope:
#   SOURCE_COMMIT       the commit's full hash when the source is a git work tree, else empty
#   SOURCE_CHANGED      TRUE when that work tree has changes not committed (untracked files too)
#   SOURCE_DATE_EPOCH   the time stamp of the release's files: $ENV{SOURCE_DATE_EPOCH} when set,
#                       else the commit's date, else 2026-01-01 00:00:00 UTC
function(read_source_revision source_dir)
    set(commit "")
    set(changed FALSE)
    set(epoch 1767225600)
    find_program(GIT_COMMAND git)
    if(GIT_COMMAND AND EXISTS ${source_dir}/.git)
        execute_process(COMMAND ${GIT_COMMAND} -C ${source_dir} log -1 "--format=%H %ct"
                        OUTPUT_VARIABLE head RESULT_VARIABLE failed ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT failed AND head MATCHES "^([0-9a-f]+) ([0-9]+)$")
            set(commit ${CMAKE_MATCH_1})
            set(epoch ${CMAKE_MATCH_2})
            execute_process(COMMAND ${GIT_COMMAND} -C ${source_dir} status --porcelain
                            OUTPUT_VARIABLE status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT status STREQUAL "")
                set(changed TRUE)
            endif()
        endif()
    endif()
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(epoch $ENV{SOURCE_DATE_EPOCH})
    endif()
    set(SOURCE_COMMIT ${commit} PARENT_SCOPE)
    set(SOURCE_CHANGED ${changed} PARENT_SCOPE)
    set(SOURCE_DATE_EPOCH ${epoch} PARENT_SCOPE)
endfunction()

# The version as the DLL and the release name it: 1.0.0, or 1.0.0+<12 hex digits of the commit>,
# with ".changed" after it when the work tree had changes.
function(source_version version out)
    set(text ${version})
    if(SOURCE_COMMIT)
        string(SUBSTRING ${SOURCE_COMMIT} 0 12 short)
        set(text ${text}+${short})
        if(SOURCE_CHANGED)
            set(text ${text}.changed)
        endif()
    endif()
    set(${out} ${text} PARENT_SCOPE)
endfunction()
