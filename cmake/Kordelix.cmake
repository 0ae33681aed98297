# Helpers shared by the subsystems' build files.

# Copies a data file (chord library, click sound) next to the executables, where
# the program looks for it, and installs it beside the program.
function(kordelix_add_data_file file)
    get_filename_component(name ${file} NAME)
    configure_file(${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name} COPYONLY)
    get_filename_component(absolute ${file} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY KORDELIX_DATA_FILES ${absolute})
endfunction()

# A private runtime folder for the tests, so that Qt does not complain about a
# missing or shared one.
set(KORDELIX_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${KORDELIX_TEST_RUNTIME_DIR})
file(CHMOD ${KORDELIX_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# kordelix_add_qtest(NAME name SOURCES ... LIBRARIES ... LABELS ... [TIMEOUT s])
# A Qt Test program run by ctest on Qt's offscreen platform with SDL's dummy
# audio driver, so that no display or sound device is needed.
function(kordelix_add_qtest)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBRARIES;LABELS;ENVIRONMENT" ${ARGN})
    if(NOT T_LABELS)
        message(FATAL_ERROR "test ${T_NAME} has no label")
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBRARIES})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${KORDELIX_TEST_RUNTIME_DIR};SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;${T_ENVIRONMENT}")
endfunction()
