# Every target of ours compiles with warnings as errors.
# -Wrestrict stays off: g++ 12 reports false overlaps inside std::string's
# operator+ at -O3 (GCC bug 105651). An empty format is allowed: LogPrint("")
# writes an empty line.
function(zephyra_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wimplicit-fallthrough -Wformat=2 -Wno-format-zero-length
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()
