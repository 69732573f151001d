// Zero-filled row-pointer arrays. Each k-dimensional maker allocates its
// pointer block and then fills it, in index order, with arrays made by the
// (k-1)-dimensional maker. The whole size is checked before the first block
// so that extents whose product overflows fail at once instead of after a
// part of the array has been built (or with a block that is too short).
#include "vok/util/arrays.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include <sys/sysinfo.h>

#include "vok/util/report.h"

namespace {
size_t extent(int e) { return e < 1 ? 1 : size_t(e); }

// Memory plus swap: an array larger than this could never be filled.
size_t machineMemory() {
  struct sysinfo si;
  if (sysinfo(&si) != 0) return size_t(PTRDIFF_MAX);
  size_t total = 0;
  if (__builtin_mul_overflow(size_t(si.totalram) + size_t(si.totalswap), size_t(si.mem_unit), &total))
    return size_t(PTRDIFF_MAX);
  return total;
}

// Total bytes of all blocks of an array with these extents; out of memory
// when that sum cannot even be counted or exceeds the machine's memory, so a
// hopeless request fails at once rather than after millions of blocks.
void checkTotal(std::initializer_list<int> extents, size_t elementSize) {
  static const size_t limit = machineMemory();
  size_t count = 1, total = 0;
  size_t left = extents.size();
  for (int e : extents) {
    bool overflow = __builtin_mul_overflow(count, extent(e), &count);
    size_t bytes = 0;
    overflow = overflow || __builtin_mul_overflow(count, --left ? sizeof(void*) : elementSize, &bytes);
    overflow = overflow || __builtin_add_overflow(total, bytes, &total);
    if (overflow || total > limit) s_UtilOutOfMemoryP();
  }
}

template <class T>
T* zeroBlock(int n) {
  void* p = std::calloc(extent(n), sizeof(T));
  if (!p) s_UtilOutOfMemoryP();
  return static_cast<T*>(p);
}

// A block of e1 entries, entry i made by sub() in index order.
template <class T, class Sub>
T* rows(int e1, Sub sub) {
  T* a = zeroBlock<T>(e1);
  for (size_t i = 0, n = extent(e1); i < n; ++i) a[i] = sub();
  return a;
}

// Frees the sub-arrays of a pointer block in index order, then the block.
template <class T, class Sub>
void freeRows(T* a, int e1, Sub sub) {
  if (!a) return;
  for (size_t i = 0, n = extent(e1); i < n; ++i) sub(a[i]);
  std::free(a);
}
}  // namespace

int* MakeArrayInt1(int n) { return zeroBlock<int>(n); }
int** MakeArrayInt2(int e1, int e2) {
  checkTotal({e1, e2}, sizeof(int));
  return rows<int*>(e1, [=] { return MakeArrayInt1(e2); });
}
int*** MakeArrayInt3(int e1, int e2, int e3) {
  checkTotal({e1, e2, e3}, sizeof(int));
  return rows<int**>(e1, [=] { return MakeArrayInt2(e2, e3); });
}
int**** MakeArrayInt4(int e1, int e2, int e3, int e4) {
  checkTotal({e1, e2, e3, e4}, sizeof(int));
  return rows<int***>(e1, [=] { return MakeArrayInt3(e2, e3, e4); });
}

long* MakeArrayLong1(int n) { return zeroBlock<long>(n); }
long** MakeArrayLong2(int e1, int e2) {
  checkTotal({e1, e2}, sizeof(long));
  return rows<long*>(e1, [=] { return MakeArrayLong1(e2); });
}
long*** MakeArrayLong3(int e1, int e2, int e3) {
  checkTotal({e1, e2, e3}, sizeof(long));
  return rows<long**>(e1, [=] { return MakeArrayLong2(e2, e3); });
}
long**** MakeArrayLong4(int e1, int e2, int e3, int e4) {
  checkTotal({e1, e2, e3, e4}, sizeof(long));
  return rows<long***>(e1, [=] { return MakeArrayLong3(e2, e3, e4); });
}

double* MakeArrayDouble1(int n) { return zeroBlock<double>(n); }
double** MakeArrayDouble2(int e1, int e2) {
  checkTotal({e1, e2}, sizeof(double));
  return rows<double*>(e1, [=] { return MakeArrayDouble1(e2); });
}
double*** MakeArrayDouble3(int e1, int e2, int e3) {
  checkTotal({e1, e2, e3}, sizeof(double));
  return rows<double**>(e1, [=] { return MakeArrayDouble2(e2, e3); });
}
double**** MakeArrayDouble4(int e1, int e2, int e3, int e4) {
  checkTotal({e1, e2, e3, e4}, sizeof(double));
  return rows<double***>(e1, [=] { return MakeArrayDouble3(e2, e3, e4); });
}
double***** MakeArrayDouble5(int e1, int e2, int e3, int e4, int e5) {
  checkTotal({e1, e2, e3, e4, e5}, sizeof(double));
  return rows<double****>(e1, [=] { return MakeArrayDouble4(e2, e3, e4, e5); });
}
double****** MakeArrayDouble6(int e1, int e2, int e3, int e4, int e5, int e6) {
  checkTotal({e1, e2, e3, e4, e5, e6}, sizeof(double));
  return rows<double*****>(e1, [=] { return MakeArrayDouble5(e2, e3, e4, e5, e6); });
}

void FreeArrayInt1(int* a) { std::free(a); }
void FreeArrayInt2(int** a, int rows, int) { freeRows(a, rows, [](int* r) { std::free(r); }); }
void FreeArrayInt3(int*** a, int e1, int e2, int e3) {
  freeRows(a, e1, [=](int** r) { FreeArrayInt2(r, e2, e3); });
}
void FreeArrayInt4(int**** a, int e1, int e2, int e3, int e4) {
  freeRows(a, e1, [=](int*** r) { FreeArrayInt3(r, e2, e3, e4); });
}

void FreeArrayLong1(long* a) { std::free(a); }
void FreeArrayLong2(long** a, int rows, int) { freeRows(a, rows, [](long* r) { std::free(r); }); }
void FreeArrayLong3(long*** a, int e1, int e2, int e3) {
  freeRows(a, e1, [=](long** r) { FreeArrayLong2(r, e2, e3); });
}
void FreeArrayLong4(long**** a, int e1, int e2, int e3, int e4) {
  freeRows(a, e1, [=](long*** r) { FreeArrayLong3(r, e2, e3, e4); });
}

void FreeArrayDouble1(double* a) { std::free(a); }
void FreeArrayDouble2(double** a, int rows, int) { freeRows(a, rows, [](double* r) { std::free(r); }); }
void FreeArrayDouble3(double*** a, int e1, int e2, int e3) {
  freeRows(a, e1, [=](double** r) { FreeArrayDouble2(r, e2, e3); });
}
void FreeArrayDouble4(double**** a, int e1, int e2, int e3, int e4) {
  freeRows(a, e1, [=](double*** r) { FreeArrayDouble3(r, e2, e3, e4); });
}
void FreeArrayDouble5(double***** a, int e1, int e2, int e3, int e4, int e5) {
  freeRows(a, e1, [=](double**** r) { FreeArrayDouble4(r, e2, e3, e4, e5); });
}
void FreeArrayDouble6(double****** a, int e1, int e2, int e3, int e4, int e5, int e6) {
  freeRows(a, e1, [=](double***** r) { FreeArrayDouble5(r, e2, e3, e4, e5, e6); });
}
