# Turns a program's --help text into a manual page: cmake -DPROGRAM=... -DNAME=... -DSUMMARY=...
# -DOUT=... -P HelpToMan.cmake. The help text is the one source; the page only frames it.
# With -DMAN_OPTION=--help-man the program writes the page itself.
if(MAN_OPTION)
  execute_process(COMMAND ${PROGRAM} ${MAN_OPTION} OUTPUT_VARIABLE _page RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${MAN_OPTION} failed (${_rc}): ${_err}")
  endif()
else()
  # A window program parses its options before it needs a display.
  set(ENV{QT_QPA_PLATFORM} offscreen)
  set(ENV{LANG} C.UTF-8)
  execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE _help RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed (${_rc}): ${_err}")
  endif()
  # The usage line names the program as it was started here; the page names it as installed.
  string(REPLACE "${PROGRAM}" "${NAME}" _help "${_help}")
  # Backslashes and leading dots or quotes would be read as requests by the formatter.
  string(REPLACE "\\" "\\e" _help "${_help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" _help "${_help}")
  string(TOUPPER "${NAME}" _upper)
  string(CONCAT _page ".TH ${_upper} 1 \"\" \"FeldSpan ${VERSION}\" \"User Commands\"\n"
            ".SH NAME\n${NAME} \\- ${SUMMARY}\n"
            ".SH DESCRIPTION\n.nf\n${_help}.fi\n"
            ".SH SEE ALSO\n${SEE_ALSO}\n")
endif()
file(WRITE ${OUT} "${_page}")
