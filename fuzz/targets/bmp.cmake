pavlemir_fuzz_target(bmp LIBS pavlemir_image)
