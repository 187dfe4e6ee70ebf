# Passes when every text the window tour shows (tests/ui/tour-texts.txt) is
# what the window renderer RENDERER writes now into DRAWN.
file(REMOVE "${DRAWN}")
execute_process(COMMAND "${RENDERER}" --texts "${DRAWN}" "${SCREENS}" RESULT_VARIABLE status
                OUTPUT_QUIET)
if(NOT EXISTS "${DRAWN}")
    message(FATAL_ERROR "the renderer wrote no texts (status ${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${DRAWN}" "${SHIPPED}"
                RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u "${SHIPPED}" "${DRAWN}")
    message(FATAL_ERROR "the windows show other texts than ${SHIPPED}; when the change is "
                        "meant, write them anew with: cmake --build --preset default --target "
                        "tour-texts")
endif()
