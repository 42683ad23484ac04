// The benchmarks' well-conditioned random systems: entries uniform in [-1, 1) from a fixed
// seed per n, the diagonal raised above the sum of the other entries of its row.
#pragma once

#include "model/mod_matrix.h"

#include <cmath>
#include <random>

namespace korvel::bench {

using korvel::Array_Size;

// One system A·x = C in the program's own layout: 1-based, index 0 unused.
struct System {
    int n = 0;
    double A[Array_Size][Array_Size] = {};
    double C[Array_Size] = {};
};

// A double uniform in [-1, 1) from the generator's raw bits, so that the systems are the
// same with every standard library.
inline double Uniform(std::mt19937_64& gen) {
    return static_cast<double>(gen() >> 11) * 0x1.0p-52 - 1.0;
}

inline System Make_System(int n) {
    std::mt19937_64 gen(20240601u + static_cast<unsigned>(n));
    System s;
    s.n = n;
    for (int i = 1; i <= n; ++i) {
        double offDiagonal = 0.0;
        for (int j = 1; j <= n; ++j) {
            if (j == i) continue;
            s.A[i][j] = Uniform(gen);
            offDiagonal += std::fabs(s.A[i][j]);
        }
        // Dominant diagonal, with a random sign.
        const double d = offDiagonal + 1.0 + std::fabs(Uniform(gen));
        s.A[i][i] = Uniform(gen) < 0.0 ? -d : d;
        s.C[i] = 10.0 * Uniform(gen);
    }
    return s;
}

} // namespace korvel::bench
