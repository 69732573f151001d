// Delayed element settings: the recorders append, the appliers write every
// matching entry into the arrays as they exist now. Entries are never
// removed, so each application replays all of them in recording order.
#include "vok/params/delay_arrays.h"

#include <cstdlib>
#include <cstring>

#include "vok/frame/messages.h"

DelaySetParams s_dsp = {{0, 100, 0, nullptr, nullptr, nullptr, nullptr},
                        {0, 100, 0, nullptr, nullptr, nullptr, nullptr}};

namespace {
template <typename T>
void initHalf(DSPHalf<T>& h) {
  size_t n = h.capacity > 0 ? size_t(h.capacity) : 0;
  h.arrayVars = static_cast<T***>(CheckCalloc(n, sizeof(T**)));
  h.indices = static_cast<int*>(CheckCalloc(n, sizeof(int)));
  h.values = static_cast<T*>(CheckCalloc(n, sizeof(T)));
  h.keys = static_cast<int*>(CheckCalloc(n, sizeof(int)));
  h.initFlag = 1;
}

// Grows a table to `newCap` entries, zero-filling the new part.
template <typename E>
void growTable(E*& table, int oldCap, int newCap) {
  void* p = std::realloc(table, size_t(newCap) * sizeof(E));
  if (!p) s_OOMError();
  table = static_cast<E*>(p);
  std::memset(table + oldCap, 0, size_t(newCap - oldCap) * sizeof(E));
}

// Once a half's tables exist they only grow, keeping their entries, so
// nothing is ever written past the size they were allocated with.
template <typename T>
void setCapacity(DSPHalf<T>& h, int capacity) {
  if (capacity < 0) capacity = 0;
  if (!h.initFlag) {
    h.capacity = capacity;
    return;
  }
  if (capacity <= h.capacity) return;
  growTable(h.arrayVars, h.capacity, capacity);
  growTable(h.indices, h.capacity, capacity);
  growTable(h.values, h.capacity, capacity);
  growTable(h.keys, h.capacity, capacity);
  h.capacity = capacity;
}

template <typename T>
void record(DSPHalf<T>& h, T** arrayVar, int index, T value, int key) {
  if (!h.initFlag) initHalf(h);
  if (h.count >= h.capacity)
    PrintError("Too many initializing parameters!  Use SetParamsNum to expand initializing parameters number.");
  h.arrayVars[h.count] = arrayVar;
  h.indices[h.count] = index;
  h.values[h.count] = value;
  h.keys[h.count] = key;
  h.count++;
}

template <typename T>
void apply(const DSPHalf<T>& h, int n, int key) {
  if (!h.initFlag) return;
  for (int e = 0; e < h.count; ++e) {
    int i = h.indices[e];
    if (h.keys[e] != key || i < 0 || i >= n || !h.arrayVars[e]) continue;
    T* array = *h.arrayVars[e];
    if (array) array[i] = h.values[e];  // an array not allocated yet gets nothing
  }
}
}  // namespace

void DSPInitIntArray() { initHalf(s_dsp.ints); }
void DSPInitDoubleArray() { initHalf(s_dsp.doubles); }

void SetParamsIntArray(int** arrayVar, int index, int value, int key) {
  record(s_dsp.ints, arrayVar, index, value, key);
}

void SetParamsDoubleArray(double** arrayVar, int index, double value, int key) {
  record(s_dsp.doubles, arrayVar, index, value, key);
}

void DelaySetParamsIntArray(int n, int key) { apply(s_dsp.ints, n, key); }
void DelaySetParamsDoubleArray(int n, int key) { apply(s_dsp.doubles, n, key); }

void SetDelayParamsNum(int capacity) {
  setCapacity(s_dsp.ints, capacity);
  setCapacity(s_dsp.doubles, capacity);
}
