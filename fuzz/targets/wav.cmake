pavlemir_fuzz_target(wav LIBS pavlemir_sound)
