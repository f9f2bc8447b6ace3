# vcu_add_fuzz_target(NAME SOURCES src... LIBS lib...)
#
# Builds fuzz target NAME (an executable fuzz_NAME from sources that define
# LLVMFuzzerTestOneInput) with its seed corpus in the calling folder's corpus/ sub-folder.
# - In the ordinary native test tree the target links our replay driver and is registered as
#   the test native.fuzz.NAME, which feeds every corpus file once (under the sanitizers there).
# - In the tree of scripts/fuzz.sh (clang, -DVCU_LIBFUZZER=ON) it links libFuzzer instead;
#   the script finds every fuzz_* binary and runs it on a copy of the corpus.
# Every target also joins the umbrella target `fuzzers`.
option(VCU_LIBFUZZER "Build fuzz targets with libFuzzer (clang) instead of the replay driver" OFF)

function(vcu_add_fuzz_target name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  set(target fuzz_${name})
  if(VCU_LIBFUZZER)
    add_executable(${target} ${arg_SOURCES})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${target} ${arg_SOURCES} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/replay_main.cpp)
    add_test(NAME native.fuzz.${name}
             COMMAND ${target} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
  endif()
  target_link_libraries(${target} PRIVATE ${arg_LIBS})
  if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
  endif()
  add_dependencies(fuzzers ${target})
endfunction()
