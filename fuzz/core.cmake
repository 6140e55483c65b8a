vtss_add_fuzzer(text_decode DEPS vtss_core)
vtss_add_fuzzer(properties_list DEPS vtss_core)
