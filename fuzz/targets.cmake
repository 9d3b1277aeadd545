# Each fuzz target: <name>_fuzz.cpp defining LLVMFuzzerTestOneInput, its corpus in corpus/<name>/,
# and the libraries it links.
set(COINWELL_FUZZ_TARGETS)
macro(coinwell_fuzz_target name)
    list(APPEND COINWELL_FUZZ_TARGETS ${name})
    set(COINWELL_FUZZ_LIBS_${name} ${ARGN})
endmacro()

# coinwell_fuzz_target(parse_leading_number coinwell_common_core)
coinwell_fuzz_target(parse_leading_number coinwell_common_core)
coinwell_fuzz_target(format_number coinwell_common_core)
coinwell_fuzz_target(record_file coinwell_common_core)
coinwell_fuzz_target(year_file coinwell_budget_core)
