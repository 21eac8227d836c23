# Installs the shipped key map as D/Key unless the user already has one.
#   cmake -DSOURCE=<build>/share/Key -DOUTPUT_DIR=<D> -P install_key.cmake
if(EXISTS "${OUTPUT_DIR}/Key")
  message(STATUS "Keeping ${OUTPUT_DIR}/Key")
  return()
endif()
file(COPY "${SOURCE}" DESTINATION "${OUTPUT_DIR}")
message(STATUS "Installed the key map ${OUTPUT_DIR}/Key")
