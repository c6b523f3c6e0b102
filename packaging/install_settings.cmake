# Writes the settings, user list and log of an installation folder with wqadmin: no password,
# nobody signs in, nothing is logged, and with the sample library the folder itself stored as the
# data directory. A folder that has any of these files already is left as it is: a reinstall
# never undoes a teacher's users, password or log.
# cmake -DWQADMIN=... -DDEST=<folder as written> -DPREFIX=<folder as run> -DSAMPLE=ON|OFF -P install_settings.cmake
foreach(name IN ITEMS GLOBSET.WQ USERS.WQ TEACHER.WQ LOG.WQ)
  if(EXISTS "${DEST}/${name}")
    message(STATUS "Kept the installation's settings: ${DEST}/${name} exists")
    return()
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "failed: ${ARGN}")
  endif()
endfunction()

set(data)
if(SAMPLE)
  set(data --data "${PREFIX}")
endif()
message(STATUS "Installing: ${DEST}/GLOBSET.WQ, USERS.WQ, TEACHER.WQ, LOG.WQ")
run("${WQADMIN}" init "${DEST}" ${data})
run("${WQADMIN}" globals "${DEST}" set userMode=0 logSessions=0)
