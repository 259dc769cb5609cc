# The package users install from: one ZIP archive holding the installer, the
# packed main program, the command.com stand-in and the read-me. It is also
# unpacked beside the build, where the installer's end-to-end test runs it.
set(zelvio_package_name "mpzelvio-${PROJECT_VERSION}")
set(zelvio_package "${CMAKE_BINARY_DIR}/${zelvio_package_name}.zip")
set(zelvio_package_stage "${CMAKE_BINARY_DIR}/package-stage")
set(zelvio_package_unpacked "${CMAKE_BINARY_DIR}/package")
# The read-me with Windows line ends, for Notepad.
configure_file("${CMAKE_SOURCE_DIR}/install/README.txt" "${CMAKE_BINARY_DIR}/README.txt" @ONLY NEWLINE_STYLE CRLF)

add_custom_command(
  OUTPUT "${zelvio_package}"
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${zelvio_package_stage}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${zelvio_package_stage}"
  COMMAND "${CMAKE_COMMAND}" -E copy "$<TARGET_FILE:install_program>" "${zelvio_package_stage}/install.exe"
  COMMAND "${CMAKE_COMMAND}" -E copy "$<TARGET_FILE:mpzelvio>" "${zelvio_package_stage}/mpzelv._xe"
  COMMAND "${CMAKE_COMMAND}" -E copy "$<TARGET_FILE:command_com>" "${zelvio_package_stage}/command.com"
  COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_BINARY_DIR}/README.txt" "${zelvio_package_stage}/README.txt"
  COMMAND "${CMAKE_COMMAND}" -E chdir "${zelvio_package_stage}"
          "${CMAKE_COMMAND}" -E tar cf "${zelvio_package}" --format=zip
          install.exe mpzelv._xe command.com README.txt
  DEPENDS install_program mpzelvio command_com "${CMAKE_BINARY_DIR}/README.txt"
  COMMENT "Packing ${zelvio_package_name}.zip"
  VERBATIM)

add_custom_command(
  OUTPUT "${zelvio_package_unpacked}/install.exe"
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${zelvio_package_unpacked}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${zelvio_package_unpacked}"
  COMMAND "${CMAKE_COMMAND}" -E chdir "${zelvio_package_unpacked}" "${CMAKE_COMMAND}" -E tar xf "${zelvio_package}"
  DEPENDS "${zelvio_package}"
  COMMENT "Unpacking ${zelvio_package_name}.zip"
  VERBATIM)

add_custom_target(zelvio_package ALL DEPENDS "${zelvio_package}" "${zelvio_package_unpacked}/install.exe")
