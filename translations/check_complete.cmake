# Fails unless every translation is complete: a copy of each .ts brought up to date with the
# sources by lupdate gives lrelease no unfinished and no untranslated text.
#   cmake -DLUPDATE=... -DLRELEASE=... -DTS_FILES=a.ts;b.ts -DSOURCES=... -DLUPDATE_OPTIONS=...
#         -DWORK=folder -P check_complete.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    execute_process(COMMAND ${LUPDATE} ${LUPDATE_OPTIONS} ${SOURCES} -ts ${WORK}/${name}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/${name}.qm
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message(STATUS "${name}: ${out}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lrelease failed on ${name}:\n${out}")
    endif()
    if(NOT out MATCHES "and 0 unfinished" OR out MATCHES "untranslated")
        message(FATAL_ERROR "${name} is not complete:\n${out}")
    endif()
endforeach()
