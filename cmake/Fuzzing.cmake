# A fuzzing build instruments every target for libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer; the fuzz targets add libFuzzer's main.
if(ZEPHYRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZEPHYRA_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
