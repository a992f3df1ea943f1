#pragma once

// A hot loop compiled twice, for the SSE2 baseline and for AVX2's wider
// vectors, with the processor choosing once which one runs. The loop is
// written once as an always-inline function; Vectorised<&Loop> holds its
// two builds:
//
//     [[gnu::always_inline]] inline void AddRows(const int* a, int* b, int n);
//     const auto add = Vectorised<&AddRows>::Choose(); // once, then add(...)
//
// Baseline and Avx2 stay callable by name, so that tests can hold the two
// against each other.

template <auto loop>
struct Vectorised;

template <typename... Arguments, void (*loop)(Arguments...)>
struct Vectorised<loop> {
    using Function = void (*)(Arguments...);

    static void Baseline(Arguments... arguments) { loop(arguments...); }

#if defined(__x86_64__)
    [[gnu::target("avx2")]] static void Avx2(Arguments... arguments) { loop(arguments...); }
#endif

    static bool HasAvx2()
    {
#if defined(__x86_64__)
        static const bool has = __builtin_cpu_supports("avx2");
        return has;
#else
        return false;
#endif
    }

    // The widest build this processor runs.
    static Function Choose()
    {
#if defined(__x86_64__)
        if (HasAvx2())
            return &Avx2;
#endif
        return &Baseline;
    }
};
