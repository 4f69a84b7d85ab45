# zek_add_module(NAME zekgetpoint SOURCES a.cpp ... [LIBS lib ...] [DBX])
# One module library: NAME.arx (NAME.dbx with DBX) in the build tree's module
# folder, where the host's loader looks first. Symbols are hidden but for the
# entry point and the handshake; host calls resolve against libzekhost.
set(ZEK_MODULE_OUTPUT_DIR ${CMAKE_BINARY_DIR}/lib/zek)
function(zek_add_module)
  cmake_parse_arguments(M "DBX" "NAME" "SOURCES;LIBS" ${ARGN})
  add_library(${M_NAME} MODULE ${M_SOURCES})
  set(suffix ".arx")
  if(M_DBX)
    set(suffix ".dbx")
  endif()
  set_target_properties(${M_NAME} PROPERTIES
    PREFIX "" SUFFIX ${suffix}
    LIBRARY_OUTPUT_DIRECTORY ${ZEK_MODULE_OUTPUT_DIR}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${M_NAME} PRIVATE ${M_LIBS} zekarxsupport zekhost zek_warnings)
  target_link_options(${M_NAME} PRIVATE -Wl,--no-undefined)
  # The host runs modules from the build tree: build them with the program.
  if(TARGET zek_modules)
    add_dependencies(zek_modules ${M_NAME})
  endif()
endfunction()
