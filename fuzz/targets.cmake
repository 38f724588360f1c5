# The fuzz targets: one source file each, fuzz/<name>.cpp.  Shared by the
# libFuzzer build (fuzz/CMakeLists.txt) and the replay programs of the test
# run (tests/CMakeLists.txt), which feed each target its seed inputs and the
# inputs a fuzzing run once found failing.
set(VEXA_FUZZ_TARGETS
  algebra_fuzz console_fuzz dr_check_fuzz dr_result_fuzz dr_script_file_fuzz
  dr_translator_fuzz ini_fuzz mode_loader_fuzz remediate_fuzz section_fuzz
  telnet_fuzz terminal_fuzz tool_case_fuzz)
set(VEXA_FUZZ_DIR "${PROJECT_SOURCE_DIR}/fuzz")
# The fixed small grammar the mode-file loader target loads its input beside.
set(VEXA_FUZZ_BASIC_GRAMMAR "${PROJECT_SOURCE_DIR}/tests/data/parser/cli/basic")

# vexa_fuzz_common(TARGET): what every fuzz program, libFuzzer or replay,
# compiles and links with besides the library code.
function(vexa_fuzz_common target)
  target_include_directories(${target} PRIVATE ${VEXA_FUZZ_DIR} ${PROJECT_SOURCE_DIR}/tools)
  target_compile_definitions(${target} PRIVATE
    VEXA_FUZZ_BASIC_GRAMMAR="${VEXA_FUZZ_BASIC_GRAMMAR}")
  target_link_libraries(${target} PRIVATE vexa_warnings vexa_telnet)
endfunction()
