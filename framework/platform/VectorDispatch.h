#pragma once

// A hot loop compiled twice, for the SSE2 baseline and for AVX2's wider
// vectors, with the processor choosing once which one runs. The loop is
// written once as an always-inline function; Vectorised<&Loop> holds its
// two builds:
//
//     [[gnu::always_inline]] inline void AddRows(const int* a, int* b, int n);
//     const auto add = platform::Vectorised<&AddRows>::Choose(); // once, then add(...)
//
// Baseline and Avx2 stay callable by name (Build), so that tests can hold
// the two against each other. Every run-time choice of AVX2 in the program
// goes through HasAvx2 here.

namespace platform {

// Whether this processor runs AVX2; asked once.
inline bool HasAvx2()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = [] {
        // Also before static constructors have run.
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
#else
    return false;
#endif
}

template <auto loop>
struct Vectorised;

template <typename... Arguments, void (*loop)(Arguments...)>
struct Vectorised<loop> {
    using Function = void (*)(Arguments...);

    static void Baseline(Arguments... arguments) { loop(arguments...); }

#if defined(__x86_64__) || defined(__i386__)
    [[gnu::target("avx2")]] static void Avx2(Arguments... arguments) { loop(arguments...); }
#endif

    // One build by name: AVX2's where asked for and compiled, else the
    // baseline.
    static constexpr Function Build(bool avx2)
    {
#if defined(__x86_64__) || defined(__i386__)
        if (avx2)
            return &Avx2;
#else
        (void)avx2;
#endif
        return &Baseline;
    }

    // The widest build this processor runs.
    static Function Choose() { return Build(HasAvx2()); }
};

} // namespace platform
