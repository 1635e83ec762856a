pavlemir_fuzz_target(fxlk LIBS pavlemir_image)
