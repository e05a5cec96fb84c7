# Adds every immediate subdirectory of the current source folder that has a CMakeLists.txt,
# in the order given first, then the rest alphabetically.
function(q7k_add_subdirs)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  set(ordered ${ARGN})
  foreach(c ${children})
    if(NOT c IN_LIST ordered)
      list(APPEND ordered ${c})
    endif()
  endforeach()
  foreach(c ${ordered})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${c} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${c}/CMakeLists.txt)
      add_subdirectory(${c})
    endif()
  endforeach()
endfunction()

# Precompiled headers: the Qt and standard headers nearly every file includes (cmake/pch/),
# compiled once per build for each kind and reused by every target of that kind (REUSE_FROM),
# whose compile flags it must share: LIBRARY for the static libraries (position-independent
# code), TEST for the test executables (position-independent executables, with GoogleTest
# besides). Targets with flags of their own (hidden visibility, the fuzz targets' own
# instrumentation) and C sources compile without them. Q7K_PCH=OFF turns them off.

# The owner of the precompiled header of `kind` (see above), made once at the top level.
function(q7k_add_pch kind)
  if(NOT Q7K_PCH)
    return()
  endif()
  string(TOLOWER q7k_pch_${kind} owner)
  # Its own compilation unit (a program needs a main).
  set(source ${CMAKE_BINARY_DIR}/${owner}.cpp)
  if(NOT EXISTS ${source})
    file(WRITE ${source} "int main() { return 0; }\n")
  endif()
  if(kind STREQUAL "TEST")
    add_executable(${owner} ${source})
    target_link_libraries(${owner} PRIVATE Qt6::Widgets Qt6::Network GTest::gmock GTest::gtest)
    set(header TestHeaders.h)
  else()
    add_library(${owner} OBJECT ${source})
    target_link_libraries(${owner} PRIVATE Qt6::Widgets Qt6::Network)
    set(header LibraryHeaders.h)
  endif()
  set_target_properties(${owner} PROPERTIES AUTOMOC OFF)
  target_precompile_headers(${owner} PRIVATE
    "$<$<COMPILE_LANGUAGE:CXX>:${CMAKE_CURRENT_FUNCTION_LIST_DIR}/pch/${header}>")
endfunction()

# Gives `target` the precompiled header of `kind` (LIBRARY or TEST).
function(q7k_use_pch target kind)
  if(NOT Q7K_PCH)
    return()
  endif()
  string(TOLOWER q7k_pch_${kind} owner)
  target_precompile_headers(${target} REUSE_FROM ${owner})
endfunction()

# A static library from every .cpp/.h file below the current folder (recursively unless
# NONRECURSIVE), excluding the listed subfolders. No target while the folder has no .cpp yet.
function(q7k_glob_library name)
  cmake_parse_arguments(A "NONRECURSIVE" "" "EXCLUDE;LIBS" ${ARGN})
  set(glob GLOB_RECURSE)
  if(A_NONRECURSIVE)
    set(glob GLOB)
  endif()
  file(${glob} srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(ex ${A_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${ex}/")
  endforeach()
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(NOT cpps)
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
  q7k_use_pch(${name} LIBRARY)
endfunction()

# A GoogleTest executable from every .cpp below the current folder, with the shared test
# main (WIDGETS: a QApplication for tests that draw). CTest runs each executable as one test,
# all its cases in one process: starting a sanitized process costs more than most cases, so a
# process per case would triple the run. Each run writes its cases' results to
# test-results/<name>.xml in the build folder (scripts/test.sh counts them); run one case with
# the executable's --gtest_filter. THREADS marks tests that start
# threads: the target q7k_thread_tests builds them all, and they are the only tests of a
# ThreadSanitizer build (Q7K_TSAN).
# OWN_NETWORK: the tests stand a simulated unit at the unit's address and port, so each run
# takes a private network namespace of its own (scripts/netns.sh --new) and such programs can
# run side by side. EXCLUDE names
# files of the folder that are not the executable's (a fixture library of their own).
function(q7k_glob_test name)
  cmake_parse_arguments(A "WIDGETS;THREADS;OWN_NETWORK" "" "LIBS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER srcs EXCLUDE REGEX "/fuzz/")
  foreach(ex ${A_EXCLUDE})
    list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  set(main q7k_test_main)
  if(A_WIDGETS)
    set(main q7k_test_main_widgets)
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${A_LIBS} ${main})
  q7k_use_pch(${name} TEST)
  if(Q7K_TSAN AND NOT A_THREADS)
    return()  # the target stays for the folder's own settings; only q7k_thread_tests is built
  endif()
  if(A_THREADS)
    if(NOT TARGET q7k_thread_tests)
      add_custom_target(q7k_thread_tests)
    endif()
    add_dependencies(q7k_thread_tests ${name})
  endif()
  set(own)
  if(A_OWN_NETWORK)
    set(own OWN_NETWORK)
  endif()
  q7k_add_gtest(${name} ${own})
endfunction()

# The GoogleTest executable `name` as one CTest test (see q7k_glob_test); OWN_NETWORK as there.
function(q7k_add_gtest name)
  set(command $<TARGET_FILE:${name}> --gtest_output=xml:${CMAKE_BINARY_DIR}/test-results/${name}.xml)
  if(ARGC GREATER 1 AND ARGV1 STREQUAL "OWN_NETWORK")
    set(command bash ${PROJECT_SOURCE_DIR}/scripts/netns.sh --new ${command})
  endif()
  add_test(NAME ${name} COMMAND ${command})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${name})
endfunction()

# A libFuzzer target, run by CTest for a bounded number of inputs (RUNS) from its seed
# corpus: the folder corpus/<name>/ beside the source (or CORPUS). The run only reads the
# corpus; scripts/fuzz-corpus.sh grows and minimises it. RUNS is a margin past the input at
# which the run's coverage (with its fixed seed) stops growing, no more: the corpus holds what
# long runs reach, so a longer run only repeats it.
function(q7k_fuzz_target name source)
  cmake_parse_arguments(A "" "RUNS;CORPUS" "LIBS" ${ARGN})
  if(NOT Q7K_FUZZ)
    return()
  endif()
  if(NOT A_RUNS)
    set(A_RUNS 5000)
  endif()
  if(NOT A_CORPUS)
    get_filename_component(sourceDir ${source} ABSOLUTE)
    get_filename_component(sourceDir ${sourceDir} DIRECTORY)
    set(A_CORPUS ${sourceDir}/corpus/${name})
  endif()
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DRUNS=${A_RUNS}
    -DCORPUS=${A_CORPUS} -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/${name}.found
    -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/Q7kRunFuzz.cmake)
  set_tests_properties(${name} PROPERTIES LABELS fuzz ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
