vtss_add_bench(bench_evaluate DEPS vtss_standards vtss_frame)
target_compile_definitions(bench_evaluate PRIVATE
    VTSS_SAMPLE_LIBRARY_DIR="${VTSS_SAMPLE_LIBRARY_DIR}")
