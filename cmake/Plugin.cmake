# A plug-in is a 32-bit DLL that a plug-in loader maps into the game: no exported names (MinGW's ld would
# otherwise export every global), relocation records kept so it can load anywhere, preferred base
# 0x10000000, and the C and C++ run-time linked in so it imports nothing but system DLLs.
function(add_plugin target)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".dll")
  project_warnings(${target})
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables)
  target_link_options(${target} PRIVATE
    -static -s
    -Wl,--image-base,0x10000000
    -Wl,--dynamicbase
    -Wl,--exclude-all-symbols)
  target_link_libraries(${target} PRIVATE plugin_frame)
  install(TARGETS ${target} RUNTIME DESTINATION .)
endfunction()
