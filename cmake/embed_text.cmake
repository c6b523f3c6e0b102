# Builds a text file into a target as a C++ string, so the programs carry their data tables with
# them:
#   include(embed_text)
#   kz_embed_text(TARGET kzcore FILE ${PROJECT_SOURCE_DIR}/data/x.txt NAME xText)
# defines `const char* const kz::embedded::xText`, the file's bytes followed by a NUL. Declare it
# where it is used:  namespace kz::embedded { extern const char* const xText; }
# The generated source is rebuilt whenever the file changes.

if(CMAKE_SCRIPT_MODE_FILE)
  # Script mode: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P embed_text.cmake
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPLACE "0x0a," "0x0a,\n" bytes "${bytes}")
  file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT} by cmake/embed_text.cmake.\n"
    "namespace kz::embedded {\n"
    "namespace {\n"
    "const unsigned char bytes[] = {\n${bytes}0x00};\n"
    "}  // namespace\n"
    "extern const char* const ${NAME};\n"
    "const char* const ${NAME} = reinterpret_cast<const char*>(bytes);\n"
    "}  // namespace kz::embedded\n")
  return()
endif()

set(KZ_EMBED_TEXT_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(kz_embed_text)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "TARGET;FILE;NAME" "")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${arg_NAME}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${arg_FILE} -DOUTPUT=${output} -DNAME=${arg_NAME}
            -P "${KZ_EMBED_TEXT_SCRIPT}"
    DEPENDS "${arg_FILE}" "${KZ_EMBED_TEXT_SCRIPT}"
    COMMENT "Embedding ${arg_FILE}"
    VERBATIM)
  target_sources(${arg_TARGET} PRIVATE "${output}")
endfunction()
