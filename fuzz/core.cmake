vtss_add_fuzzer(text_decode DEPS vtss_core)
