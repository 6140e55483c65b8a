# Fuzz targets of the windowing stand-in's file readers: BMP pictures and the
# registry file.
if(TARGET vtss_ui)
  vtss_add_fuzzer(bmp_read DEPS vtss_ui)
  vtss_add_fuzzer(registry_read DEPS vtss_ui)
endif()
