# The user guide beside the executable, and the installed layout:
#
#   <prefix>/lib/velmora/velmora            the program, with help.html and images/ beside it
#   <prefix>/bin/velmora                    symbolic link to ../lib/velmora/velmora
#   <prefix>/share/applications/velmora.desktop
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/velmora.png   for n = 16, 32, 48
#
# The program opens help.html from the directory of its real executable (the link is resolved), so
# the guide has to sit next to the binary both in the build tree and after installation.

if(NOT TARGET velmora)
  return()
endif()

set(VELMORA_DOCS_DIR ${CMAKE_SOURCE_DIR}/docs)
set(VELMORA_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/desktop)
set(VELMORA_INSTALL_PROGRAM_DIR lib/velmora)

file(GLOB VELMORA_HELP_IMAGES CONFIGURE_DEPENDS ${VELMORA_DOCS_DIR}/images/*.png)

# Copies the guide into the executable's directory whenever one of its files changes.
set(help_stamp ${CMAKE_CURRENT_BINARY_DIR}/velmora_help.stamp)
set(copy_images)
if(VELMORA_HELP_IMAGES)
  set(copy_images COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELMORA_HELP_IMAGES} $<TARGET_FILE_DIR:velmora>/images)
endif()
add_custom_command(
  OUTPUT ${help_stamp}
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:velmora>/images
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELMORA_DOCS_DIR}/help.html $<TARGET_FILE_DIR:velmora>/help.html
  ${copy_images}
  COMMAND ${CMAKE_COMMAND} -E touch ${help_stamp}
  DEPENDS ${VELMORA_DOCS_DIR}/help.html ${VELMORA_HELP_IMAGES}
  COMMENT "Copying the user guide next to the program"
  VERBATIM)
add_custom_target(velmora_help DEPENDS ${help_stamp})
add_dependencies(velmora velmora_help)

install(TARGETS velmora RUNTIME DESTINATION ${VELMORA_INSTALL_PROGRAM_DIR})
install(FILES ${VELMORA_DOCS_DIR}/help.html DESTINATION ${VELMORA_INSTALL_PROGRAM_DIR})
install(FILES ${VELMORA_HELP_IMAGES} DESTINATION ${VELMORA_INSTALL_PROGRAM_DIR}/images)

# A relative link keeps the installed tree movable (DESTDIR staging, relocated prefixes).
install(CODE "
  set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin_dir}\")
  message(STATUS \"Installing: \${bin_dir}/velmora -> ../${VELMORA_INSTALL_PROGRAM_DIR}/velmora\")
  file(CREATE_LINK ../${VELMORA_INSTALL_PROGRAM_DIR}/velmora \"\${bin_dir}/velmora\" SYMBOLIC)
")

install(FILES ${VELMORA_DESKTOP_DIR}/velmora.desktop DESTINATION share/applications)
foreach(size 16 32 48)
  install(FILES ${VELMORA_DESKTOP_DIR}/icons/velmora-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps
    RENAME velmora.png)
endforeach()
