pavlemir_fuzz_target(jpeg LIBS pavlemir_image)
