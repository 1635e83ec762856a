pavlemir_fuzz_target(iff LIBS pavlemir_image)
