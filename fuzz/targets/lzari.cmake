pavlemir_fuzz_target(lzari LIBS pavlemir_image)
