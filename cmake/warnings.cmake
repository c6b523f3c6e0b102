# Our own targets compile with every warning as an error; third-party headers come in as SYSTEM.
function(kz_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
