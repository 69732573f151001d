// Ranges of the numeric settings that size work or memory, kept in their slots.
#include "vok/params/param_table.h"
#include "vok/params/pd_print.h"

void in_SetParameterRange(const void* pointer, double lo, double hi, PDPage* list) {
  PDParam* last = nullptr;
  for (PDPage* page = list; page; page = page->next)
    for (int slot = 0; slot < page->count; ++slot)
      if (page->params[slot].pointer == pointer) last = &page->params[slot];
  if (!last) return;
  last->bounded = true;
  last->lo = lo, last->hi = hi;
}

bool PDHoldToRange(const PDParam& param, double* value) {
  double v = *value;
  if (!param.bounded || (v >= param.lo && v <= param.hi)) return false;
  *value = v > param.hi ? param.hi : param.lo;  // NaN too goes to the low end
  pdPrint("\"%s\" must be from %.15g to %.15g; %.15g is taken as %.15g\n", param.name, param.lo, param.hi, v,
          *value);
  return true;
}
