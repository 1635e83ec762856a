pavlemir_fuzz_target(tga LIBS pavlemir_image)
