// Fatal misuses of the parameter table and the delayed arrays, one per
// run: argv[1] names the case. Each must end the program with its message.
#include <cstdio>
#include <cstring>

#include "vok/draw/start.h"
#include "vok/params/delay_arrays.h"
#include "vok/params/param_table.h"

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  Start();
  int x = 0;
  PDPage* a = nullptr;
  PDPage* b = nullptr;
  if (!std::strcmp(mode, "setup-twice")) {
    in_SetUpParametersDialogP(&a);
    in_SetUpParametersDialogP(&b);
  } else if (!std::strcmp(mode, "p0-twice")) {
    in_AddParameterP0(&x, intType, "X", &a);
    in_AddParameterP0(&x, intType, "Y", &b);
  } else if (!std::strcmp(mode, "no-list")) {
    in_AddParameterP(&x, intType, "X", nullptr);
  } else if (!std::strcmp(mode, "delay-overflow")) {
    int* arr = nullptr;
    double* darr = nullptr;
    for (int i = 0; i < 100; ++i) SetParamsDoubleArray(&darr, i, 1.0, 0);  // counted apart
    for (int i = 0; i < 101; ++i) SetParamsIntArray(&arr, i, i, 0);
  }
  std::printf("survived\n");
  return 0;
}
