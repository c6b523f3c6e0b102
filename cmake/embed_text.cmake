# Turns a text file into a C++ source defining `extern const char <SYMBOL>[]` in namespace kz,
# so data kept as plain files in the repo is compiled into the programs.
# Script mode: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P embed_text.cmake
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" content HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; edit that file instead.\nnamespace kz {\nextern const char ${SYMBOL}[] = {${bytes} '\\0'};\n}\n")
  file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT}.tmp")
  return()
endif()

set(KZ_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

# kz_embed_text(<target> <input file> <symbol>): adds the generated source to target.
function(kz_embed_text target input symbol)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P "${KZ_EMBED_SCRIPT}"
    DEPENDS "${input}" "${KZ_EMBED_SCRIPT}"
    COMMENT "Embedding ${input}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
