// Zero-filled arrays of one to six dimensions in row-pointer layout
// (a[i][j][k]): every row, plane and so on is its own block. Extents below 1
// are raised to 1. Running out of memory, or extents whose product does not
// fit in memory at all, end the program through s_OOMError.
#pragma once

int* MakeArrayInt1(int n);
int** MakeArrayInt2(int e1, int e2);
int*** MakeArrayInt3(int e1, int e2, int e3);
int**** MakeArrayInt4(int e1, int e2, int e3, int e4);

long* MakeArrayLong1(int n);
long** MakeArrayLong2(int e1, int e2);
long*** MakeArrayLong3(int e1, int e2, int e3);
long**** MakeArrayLong4(int e1, int e2, int e3, int e4);

double* MakeArrayDouble1(int n);
double** MakeArrayDouble2(int e1, int e2);
double*** MakeArrayDouble3(int e1, int e2, int e3);
double**** MakeArrayDouble4(int e1, int e2, int e3, int e4);
double***** MakeArrayDouble5(int e1, int e2, int e3, int e4, int e5);
double****** MakeArrayDouble6(int e1, int e2, int e3, int e4, int e5, int e6);

// Release with the extents the array was made with (the last one is not
// needed). Extents below 1 count as 1, as when the array was made, so nothing
// is left behind; a null array is ignored.
void FreeArrayInt1(int* a);
void FreeArrayInt2(int** a, int rows, int columns);
void FreeArrayInt3(int*** a, int e1, int e2, int e3);
void FreeArrayInt4(int**** a, int e1, int e2, int e3, int e4);

void FreeArrayLong1(long* a);
void FreeArrayLong2(long** a, int rows, int columns);
void FreeArrayLong3(long*** a, int e1, int e2, int e3);
void FreeArrayLong4(long**** a, int e1, int e2, int e3, int e4);

void FreeArrayDouble1(double* a);
void FreeArrayDouble2(double** a, int rows, int columns);
void FreeArrayDouble3(double*** a, int e1, int e2, int e3);
void FreeArrayDouble4(double**** a, int e1, int e2, int e3, int e4);
void FreeArrayDouble5(double***** a, int e1, int e2, int e3, int e4, int e5);
void FreeArrayDouble6(double****** a, int e1, int e2, int e3, int e4, int e5, int e6);
