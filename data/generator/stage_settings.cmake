# Writes the sample installation's settings, user list and empty log with wqadmin: no password,
# children sign in (UserMode 1), sessions logged, the data directory left blank so that the first
# run records it, and Teacher followed by the children named in USERS_FILE.
# cmake -DWQADMIN=... -DSTAGE=... -DUSERS_FILE=... -P stage_settings.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "failed: ${ARGN}")
  endif()
endfunction()

# Start again from nothing, so a rebuild gives the same installation whatever a run changed.
file(GLOB old "${STAGE}/*.WQ")
if(old)
  file(REMOVE ${old})
endif()
run("${WQADMIN}" init "${STAGE}")
run("${WQADMIN}" globals "${STAGE}" set userMode=1 logSessions=1)
file(STRINGS "${USERS_FILE}" names REGEX "^[^#]")
foreach(name IN LISTS names)
  run("${WQADMIN}" users "${STAGE}" add "${name}")
endforeach()
