// Settings for elements of arrays that do not exist yet: recorded as
// (array variable, index, value, key) and applied once the arrays have been
// allocated with their real length, for example after a data file is read.
#pragma once

// One half of s_dsp: integer entries in the first, double entries in the second.
template <typename T>
struct DSPHalf {
  int initFlag;   // tables allocated
  int capacity;   // entries the tables hold
  int count;      // entries recorded so far
  T*** arrayVars; // address of each entry's array variable
  int* indices;
  T* values;
  int* keys;
};

struct DelaySetParams {
  DSPHalf<int> ints;
  DSPHalf<double> doubles;
};
extern DelaySetParams s_dsp;

void SetParamsIntArray(int** arrayVar, int index, int value, int key);
void SetParamsDoubleArray(double** arrayVar, int index, double value, int key);
void DelaySetParamsIntArray(int n, int key);
void DelaySetParamsDoubleArray(int n, int key);
void SetDelayParamsNum(int capacity);
void DSPInitIntArray();
void DSPInitDoubleArray();
