# Installation: everything lies flat in the installation directory D (the install prefix), where the
# program finds it: piano, libnotewire.so, notewire-dump, resource.skn, BeiFen.dat, Help/PianoHlp.htm,
# 伴奏/ and TkbFile (written only when the user has no list of their own). Deferred to the end of the
# top directory so that every target and the shipped-file rules are known.
function(piano_install_program)
  set_target_properties(piano PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS piano RUNTIME DESTINATION .)
  install(TARGETS notewire LIBRARY DESTINATION .)
  if(TARGET notewire-dump)
    install(TARGETS notewire-dump RUNTIME DESTINATION .)
  endif()
  if(COMMAND piano_install_shipped_files)
    piano_install_shipped_files()
  endif()
  include("${PIANO_APP_DIR}/help/help.cmake")
  install(FILES "${PIANO_APP_DIR}/share/piano.svg" DESTINATION .)
endfunction()

cmake_language(DEFER DIRECTORY "${PROJECT_SOURCE_DIR}" CALL piano_install_program)
