/* Solves the system in a plain text file with LAPACKE_dgesv and prints x, one per line:
 * the smallest whole program that does korvel-cli's work, for bench/cli_compare.sh.
 * File: n, then n rows of n coefficients and the constant. */
#include <lapacke.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: dgesv_solve SYSTEM.txt\n");
        return 64;
    }
    FILE* file = fopen(argv[1], "r");
    if (!file) {
        perror(argv[1]);
        return 1;
    }
    int n = 0;
    double a[16 * 16], c[16];
    lapack_int pivots[16];
    if (fscanf(file, "%d", &n) != 1 || n < 1 || n > 16) return 1;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            if (fscanf(file, "%lf", &a[i * n + j]) != 1) return 1;
        if (fscanf(file, "%lf", &c[i]) != 1) return 1;
    }
    fclose(file);
    const lapack_int info = LAPACKE_dgesv(LAPACK_ROW_MAJOR, n, 1, a, n, pivots, c, 1);
    if (info != 0) {
        fprintf(stderr, "dgesv: info %d\n", (int)info);
        return 2;
    }
    for (int i = 0; i < n; ++i)
        printf("%.17g\n", c[i]);
    return 0;
}
