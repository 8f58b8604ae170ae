# Runs the picture generator into OUTPUT and fails unless every picture it draws is byte for byte
# the one committed under SOURCE.
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the picture generator failed: ${result}")
endif()
foreach(picture startpicture.bmp samples/DATA1.bmp samples/DATA2.bmp samples/DATA3.bmp
        samples/DATA4.bmp samples/DATA5.bmp)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
        "${OUTPUT}/${picture}" "${SOURCE}/${picture}" RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "resources/${picture} is not what the generator draws: "
            "run `cmake --build <build> --target regenerate-pictures` and commit the result")
    endif()
endforeach()
