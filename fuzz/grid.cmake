vtss_add_fuzzer(sheet_file_reader DEPS vtss_grid)
vtss_add_fuzzer(csv_import DEPS vtss_grid)
