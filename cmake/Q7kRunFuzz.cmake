# The CTest run of a fuzz target (see q7k_fuzz_target): RUNS inputs with a fixed seed,
# starting from the seed corpus CORPUS when it exists. What the run finds goes to the
# folder SCRATCH, emptied first, so the corpus is only read and every run starts alike.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(corpora ${SCRATCH})
if(EXISTS ${CORPUS})
  list(APPEND corpora ${CORPUS})
endif()
execute_process(COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -rss_limit_mb=4096 ${corpora} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed: ${result}")
endif()
