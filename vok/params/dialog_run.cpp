// Running the Parameters dialog. Values flow one way at a time: variables
// to items when the dialog opens and after each command procedure, items
// to variables when it ends and before each command procedure. A field the
// user did not change is not read back, so a value never becomes its
// rounded display form by merely being shown.
#include "vok/params/dialog_run.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/font/font.h"
#include "platform/gfx/gfx.h"
#include "vok/frame/events.h"
#include "vok/params/param_files.h"

static bool isTextType(int32_t type) {
  return type == intType || type == longType || type == shortType || type == doubleType || type == expType ||
         type == stringType;
}

static void setSlot(PDPage* page, int slot) {
  PDParam* param = &page->params[slot];
  void* p = param->pointer;
  short item = short(5 + 2 * slot);
  switch (param->type) {
    case intType: param->value.i = *static_cast<int32_t*>(p); break;
    case longType: param->value.l = *static_cast<long*>(p); break;
    case shortType: param->value.s = *static_cast<int16_t*>(p); break;
    case doubleType:
    case expType: param->value.d = *static_cast<double*>(p); break;
    case stringType: param->value.str = static_cast<char*>(p); break;
    case flagType:
      param->value.i = *static_cast<int32_t*>(p);
      pdSetItemValue(page->dialog, item, short(param->value.i & 0xFFFF));
      return;
    default: return;  // read-only items keep the text of registration time
  }
  PDFormatValue(param);
  PDMakePString(param->valueText, param->valueP);
  pdSetItemText(page->dialog, item, param->valueP);
}

void SetPDValues(PDPage* list) {
  for (PDPage* page = list; page; page = page->next)
    for (int slot = 0; slot < page->count; ++slot) setSlot(page, slot);
}

// Leading blanks skipped, the number taken, anything after it ignored;
// false when the text does not begin with a number. Out-of-range integers
// are held at the type's limits.
static bool parseLong(const char* text, long lo, long hi, long* out) {
  char* end;
  errno = 0;
  long v = std::strtol(text, &end, 10);
  if (end == text) return false;
  *out = v < lo ? lo : v > hi ? hi : v;
  return true;
}

static long holdLong(const PDParam& param, long v) {
  double d = double(v);
  return PDHoldToRange(param, &d) ? long(d) : v;
}

static void readBackText(PDParam* param, const unsigned char* text) {
  std::memcpy(param->valueText, text + 1, text[0] < kPDTextSize ? text[0] : kPDTextSize - 1);
  param->valueText[text[0] < kPDTextSize ? text[0] : kPDTextSize - 1] = 0;
  const char* t = param->valueText;
  void* p = param->pointer;
  long v;
  char* end;
  switch (param->type) {
    case intType:
      if (parseLong(t, INT32_MIN, INT32_MAX, &v)) param->value.i = int32_t(holdLong(*param, v));
      *static_cast<int32_t*>(p) = param->value.i;
      break;
    case longType:
      if (parseLong(t, LONG_MIN, LONG_MAX, &v)) param->value.l = holdLong(*param, v);
      *static_cast<long*>(p) = param->value.l;
      break;
    case shortType:
      if (parseLong(t, INT16_MIN, INT16_MAX, &v)) param->value.s = int16_t(holdLong(*param, v));
      *static_cast<int16_t*>(p) = param->value.s;
      break;
    case doubleType:
    case expType: {
      double d = std::strtod(t, &end);
      if (end != t) {
        PDHoldToRange(*param, &d);
        param->value.d = d;
      }
      *static_cast<double*>(p) = param->value.d;
      break;
    }
    case stringType:
      std::snprintf(static_cast<char*>(p), kPDTextSize, "%s", t);
      break;
  }
}

void GetPDValues(PDPage* list) {
  for (PDPage* page = list; page; page = page->next)
    for (int slot = 0; slot < page->count; ++slot) {
      PDParam* param = &page->params[slot];
      short item = short(5 + 2 * slot);
      if (isTextType(param->type)) {
        Str255 text;
        pdGetItemText(page->dialog, item, text);
        if (std::memcmp(text, param->valueP, size_t(text[0]) + 1) != 0) readBackText(param, text);
      } else if (param->type == flagType) {
        param->value.i = pdGetItemValue(page->dialog, item);
        *static_cast<int32_t*>(param->pointer) = param->value.i;
      }
    }
}

short PDModalDialog(PDPage* page) {
  short item = pdModalItem();
  while (item >= 5 && item <= 55) {
    short kind = pdItemKind(page->dialog, item) & 0x7F;
    if (kind == kPDButtonKind) {
      pdHidePage(page->dialog);
      GetPDValues(s_PD.head);
      PDParam* param = &page->params[(item - 5) / 2];
      if (param->value.proc) param->value.proc();
      SetPDValues(s_PD.head);
      pdShowPage(page->dialog, 0);
    } else if (kind == kPDCheckboxKind) {
      pdSetItemValue(page->dialog, item, pdGetItemValue(page->dialog, item) ? 0 : 1);
    } else {
      std::printf("Error!\n");
      std::fflush(stdout);
      Stop();
    }
    item = pdModalItem();
  }
  return item;
}

void ParametersDialogP(PDPage* list) {
  SetPDValues(list);
  s_PD.head = list;
  if (s_PD.initLoadFlag) PDInitLoadParams();
  PDPage* page = list;
  for (;;) {
    // A page of only flags and buttons has no field to select.
    bool field = page->firstEditable < page->count;
    pdShowPage(page->dialog, field ? short(5 + 2 * page->firstEditable) : 0);
    short item = PDModalDialog(page);
    pdHidePage(page->dialog);
    if (item == kPDQuitItem) pdQuit();
    if (item == kPDPrevItem && page->prev) {
      page = page->prev;
    } else if (item == kPDNextItem && page->next) {
      page = page->next;
    } else {
      GetPDValues(list);
      CheckPause();
      return;
    }
  }
}

void DisplayParametersP(PDPage* page) {
  for (int i = 0; i < page->count; ++i) {
    PDParam* param = &page->params[i];
    short c = short(i / 13), r = short(i % 13);
    short top = short(20 * r + 5), bottom = short(20 * (r + 1) + 5);
    Rect cell;
    SetRect(&cell, short(400 * c), top, short(200 * (2 * c + 1)), bottom);
    EraseRect(&cell);
    MoveTo(short(400 * c), short(20 * (r + 1)));
    DrawString(param->nameP);
    SetRect(&cell, short(200 * (2 * c + 1)), top, short(200 * (2 * c + 2)), bottom);
    EraseRect(&cell);
    MoveTo(short(200 * (2 * c + 1)), short(20 * (r + 1)));
    if (isTextType(param->type)) {
      Str255 text;
      pdGetItemText(page->dialog, short(5 + 2 * i), text);
      DrawString(text);
    } else if (param->type == flagType) {
      DrawChar(param->value.i ? '1' : '0');
    }
  }
  CheckPause();
}
