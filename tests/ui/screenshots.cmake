# Passes when the store's screenshots in SHIPPED are exactly what the window
# renderer RENDERER draws now (into DRAWN): the same files, byte for byte.
file(REMOVE_RECURSE "${DRAWN}")
execute_process(COMMAND "${RENDERER}" --screenshots "${DRAWN}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the renderer could not draw the screenshots (status ${status})")
endif()
file(GLOB drawn RELATIVE "${DRAWN}" "${DRAWN}/*")
file(GLOB shipped RELATIVE "${SHIPPED}" "${SHIPPED}/*")
if(NOT drawn STREQUAL shipped)
    message(FATAL_ERROR "drawn: ${drawn}; shipped: ${shipped}")
endif()
foreach(name IN LISTS drawn)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${DRAWN}/${name}"
                            "${SHIPPED}/${name}" RESULT_VARIABLE differs)
    if(differs)
        list(APPEND stale ${name})
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "stale screenshots: ${stale} (the renderer's are in ${DRAWN}); redraw "
                        "them with: cmake --build --preset default --target screenshots")
endif()
