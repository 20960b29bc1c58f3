# The Windows setup program: build-win/FeldSpan-<version>-setup.exe, made by makensis from the
# folder bin/ that scripts/build-windows.sh lays out (programs, Qt's DLLs and plugins, the
# translations and the help).
find_program(FELDSPAN_MAKENSIS makensis)
set(FELDSPAN_SETUP_PROGRAM ${CMAKE_BINARY_DIR}/FeldSpan-${PROJECT_VERSION}-setup.exe)
if(FELDSPAN_MAKENSIS)
  add_custom_target(setup-program
    COMMAND ${FELDSPAN_MAKENSIS} -V2 -DBIN=${CMAKE_BINARY_DIR}/bin -DOUT=${FELDSPAN_SETUP_PROGRAM}
            -DVERSION=${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}/res/windows/FeldSpan.nsi
    DEPENDS feldspan feldspan-cli feldspan_data
    COMMENT "Making ${FELDSPAN_SETUP_PROGRAM}"
    VERBATIM)
else()
  add_custom_target(setup-program
    COMMAND ${CMAKE_COMMAND} -E echo "makensis is missing: run scripts/setup-windows.sh"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()
