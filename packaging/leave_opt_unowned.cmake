# Run by cpack after it made the .deb: takes the entry for /opt out of the package's data, so
# that the package owns /opt/kiv-zan but not /opt itself (Debian's base-files makes /opt). A
# package listing /opt makes dpkg try to remove it on purge and warn that it is not empty.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(work "${deb}.parts")
  file(REMOVE_RECURSE "${work}")
  file(MAKE_DIRECTORY "${work}")
  execute_process(COMMAND ar x "${deb}" WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB data RELATIVE "${work}" "${work}/data.tar.*")
  file(GLOB control RELATIVE "${work}" "${work}/control.tar.*")
  if(NOT data STREQUAL "data.tar.gz")
    message(FATAL_ERROR "Expected data.tar.gz in ${deb}, found ${data}")
  endif()
  # The archive is unpacked and packed again from its own list less ./opt/ (tar --delete cannot
  # edit the archive cpack writes in place), as root's files with their modes and times.
  file(MAKE_DIRECTORY "${work}/root")
  execute_process(COMMAND tar -xzf ../data.tar.gz WORKING_DIRECTORY "${work}/root"
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND tar -tzf data.tar.gz WORKING_DIRECTORY "${work}"
                  OUTPUT_VARIABLE entries COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "(^|\n)\./opt/\n" "\\1" entries "${entries}")
  file(WRITE "${work}/entries" "${entries}")
  file(REMOVE "${work}/data.tar.gz")
  execute_process(COMMAND tar -czf ../data.tar.gz --no-recursion --owner=0 --group=0
                          --numeric-owner -T ../entries
                  WORKING_DIRECTORY "${work}/root" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE "${deb}")
  # The members in the order dpkg expects: debian-binary, control, data.
  execute_process(COMMAND ar rc "${deb}" debian-binary ${control} data.tar.gz
                  WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${work}")
endforeach()
