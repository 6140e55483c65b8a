vtss_add_fuzzer(mapping_line DEPS vtss_standards)
vtss_add_fuzzer(macro_file DEPS vtss_coremacro)
