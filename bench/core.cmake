vtss_add_bench(bench_core DEPS vtss_core)
