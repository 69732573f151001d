// Small numerical helpers for calculation programs and the graph code: a
// binomial coefficient, a square-matrix product, the larger eigenvalue of a
// 2 x 2 matrix, a logarithm that refuses non-positive values with a console
// message, and a test for NaN.
#pragma once

// C(n, k) in floating point, multiplied and divided alternately from the
// largest factor down; 1.0 when k <= 0 or k >= n (so also for k > n).
double Binomial(int n, int k);
// c = a x b for n x n row-pointer matrices; c may be a or b.
void MultiplyMatrix(int n, double** a, double** b, double** c);
// Larger eigenvalue of the matrix with rows (a, b) and (c, d); NaN when the
// eigenvalues are complex.
double MaxEigenValue2(double a, double b, double c, double d);
// ln x for x > 0; otherwise prints "Error in SafeLog: %f is not positive\n"
// on the console and returns 0. NaN passes through as NaN.
double SafeLog(double x);
// 1 for NaN, 0 for every number including the infinities.
int NotADouble(double x);
