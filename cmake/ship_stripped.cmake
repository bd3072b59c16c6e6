# Windows binaries are shipped without their debug sections (most of a DLL's size); the debug
# information is kept beside each one as NAME.debug, linked by a debug link, so that a crash
# report from a host can still be read.
function(qalt2morv_ship_stripped target)
  if(NOT MINGW OR NOT CMAKE_OBJCOPY)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug $<TARGET_FILE:${target}>
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMENT "Stripping ${target}; debug information kept in $<TARGET_FILE_NAME:${target}>.debug"
    VERBATIM)
endfunction()
