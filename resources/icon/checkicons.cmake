# Fails when the icon files kept in the repository differ from what the generator draws now.
file(REMOVE_RECURSE ${FRESH})
file(MAKE_DIRECTORY ${FRESH})
execute_process(COMMAND ${GENERATOR} ${FRESH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "icongenerator failed: ${status}")
endif()
foreach(name mainicon.ico zoddle-32.png zoddle-256.png)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${KEPT}/${name} ${FRESH}/${name}
        RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${name} is out of date: run icongenerator ${KEPT}")
    endif()
endforeach()
