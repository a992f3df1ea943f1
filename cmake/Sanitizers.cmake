# ZEPHYRA_SANITIZE applies to every target in the tree, so libraries and tests
# are instrumented alike.
if(ZEPHYRA_SANITIZE)
  string(REPLACE ";" "," _zephyra_sanitizers "${ZEPHYRA_SANITIZE}")
  add_compile_options(-fsanitize=${_zephyra_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_zephyra_sanitizers})
endif()
