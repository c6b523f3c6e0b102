# Turns a text file into a C++ source, so data kept as plain files in the repo is compiled into
# the programs. Two forms:
#   kz_embed_text(<target> <input file> <symbol>)
#       defines `extern const char <symbol>[]` in namespace kz;
#   kz_embed_text(TARGET <target> FILE <input file> NAME <name>)
#       defines `const char* const kz::embedded::<name>`; declare it where it is used:
#       namespace kz::embedded { extern const char* const <name>; }
# Either way the bytes end with a NUL and the source is rebuilt whenever the file changes.
if(CMAKE_SCRIPT_MODE_FILE)
  # Script mode: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... [-DPOINTER=1] -P embed_text.cmake
  file(READ "${INPUT}" content HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
  if(POINTER)
    set(text "// Generated from ${INPUT}; edit that file instead.\nnamespace kz::embedded {\nnamespace {\nconst char bytes[] = {${bytes} '\\0'};\n}  // namespace\nextern const char* const ${SYMBOL};\nconst char* const ${SYMBOL} = bytes;\n}  // namespace kz::embedded\n")
  else()
    set(text "// Generated from ${INPUT}; edit that file instead.\nnamespace kz {\nextern const char ${SYMBOL}[] = {${bytes} '\\0'};\n}\n")
  endif()
  file(WRITE "${OUTPUT}.tmp" "${text}")
  file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT}.tmp")
  return()
endif()

set(KZ_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(kz_embed_text)
  if(ARGV0 STREQUAL "TARGET")
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "TARGET;FILE;NAME" "")
    set(target ${arg_TARGET})
    set(input ${arg_FILE})
    set(symbol ${arg_NAME})
    set(pointer 1)
  else()
    set(target ${ARGV0})
    set(input ${ARGV1})
    set(symbol ${ARGV2})
    set(pointer 0)
  endif()
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol} -DPOINTER=${pointer}
            -P "${KZ_EMBED_SCRIPT}"
    DEPENDS "${input}" "${KZ_EMBED_SCRIPT}"
    COMMENT "Embedding ${input}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
