# The settings dialog, the output device list, skin choice and the help page.
target_sources(piano_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/about_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interface_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_devices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_wiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_choice.cpp
)
