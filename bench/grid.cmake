vtss_add_bench(bench_grid DEPS vtss_grid)
