# ZEPHYRA_SANITIZE applies to every target in the tree, so libraries and tests
# are instrumented alike. g++ 12's flow analysis reports false "may be used
# uninitialized" warnings inside the standard library once instrumented.
if(ZEPHYRA_SANITIZE)
  string(REPLACE ";" "," _zephyra_sanitizers "${ZEPHYRA_SANITIZE}")
  add_compile_options(-fsanitize=${_zephyra_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
  add_link_options(-fsanitize=${_zephyra_sanitizers})
endif()
