vtss_add_bench(bench_formula DEPS vtss_formula)
