# The help page and its pictures, installed as Help/ in the installation folder (included by the install
# step).
install(FILES
  ${CMAKE_CURRENT_LIST_DIR}/PianoHlp.htm
  ${CMAKE_CURRENT_LIST_DIR}/main-window.png
  ${CMAKE_CURRENT_LIST_DIR}/function-channels.png
  ${CMAKE_CURRENT_LIST_DIR}/function-keymap.png
  ${CMAKE_CURRENT_LIST_DIR}/settings-devices.png
  ${CMAKE_CURRENT_LIST_DIR}/settings-interface.png
  DESTINATION Help)
