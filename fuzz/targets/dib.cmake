pavlemir_fuzz_target(dib LIBS pavlemir_image)
