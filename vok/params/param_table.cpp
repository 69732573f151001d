// Registration of parameters into the page list: slots, page chaining with
// "<<" and ">>", the dialog items each type is shown as, and the checks
// that keep labels and texts inside their slots and parameter files sound.
#include "vok/params/param_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vok/frame/events.h"
#include "vok/frame/launch.h"
#include "vok/frame/messages.h"
#include "vok/params/pd_print.h"

const PDTypePair s_PDTypePairTable[] = {
    {"intType", intType},       {"staticIntType", staticIntType},       {"longType", longType},
    {"shortType", shortType},   {"doubleType", doubleType},             {"expType", expType},
    {"stringType", stringType}, {"staticStringType", staticStringType}, {"flagType", flagType},
    {"doType", doType},         {nullptr, 0},
};

PDState s_PD = {nullptr, 0, "VOKPDParams", 0};
PDPage* s_paramDialogP = nullptr;

int32_t PDStringToType(const char* typeName) {
  for (const PDTypePair* p = s_PDTypePairTable; p->typeName; ++p)
    if (std::strcmp(p->typeName, typeName) == 0) return p->type;
  return -1;
}

const char* PDTypeName(int32_t type) {
  for (const PDTypePair* p = s_PDTypePairTable; p->typeName; ++p)
    if (p->type == type) return p->typeName;
  return nullptr;
}

void PDMakePString(const char* text, unsigned char* p) {
  size_t n = std::strlen(text);
  if (n > 255) n = 255;
  p[0] = static_cast<unsigned char>(n);
  std::memcpy(p + 1, text, n);
}

// Copies at most kPDTextSize - 1 characters; says whether the text was cut.
static bool copyText(char* dst, const char* src) {
  size_t n = std::strlen(src);
  bool cut = n > kPDTextSize - 1;
  if (cut) n = kPDTextSize - 1;
  std::memcpy(dst, src, n);
  dst[n] = 0;
  return cut;
}

bool PDFormatValue(PDParam* param) {
  char* t = param->valueText;
  switch (param->type) {
    case intType:
    case staticIntType:
      std::snprintf(t, kPDTextSize, "%d", param->value.i);
      return true;
    case longType:
      std::snprintf(t, kPDTextSize, "%ld", param->value.l);
      return true;
    case shortType:
      std::snprintf(t, kPDTextSize, "%hd", param->value.s);
      return true;
    case doubleType:
      std::snprintf(t, kPDTextSize, "%f", param->value.d);  // huge values are cut, never overrun
      return true;
    case expType:
      std::snprintf(t, kPDTextSize, "%e", param->value.d);
      return true;
    case stringType:
    case staticStringType:
      copyText(t, param->value.str);
      return true;
    default:
      return false;
  }
}

// Reads the variable into the slot's value cell.
static void takeValue(PDParam* param) {
  void* p = param->pointer;
  switch (param->type) {
    case intType:
    case staticIntType:
    case flagType:
      param->value.i = *static_cast<int32_t*>(p);
      break;
    case longType:
      param->value.l = *static_cast<long*>(p);
      break;
    case shortType:
      param->value.s = *static_cast<int16_t*>(p);
      break;
    case doubleType:
    case expType:
      param->value.d = *static_cast<double*>(p);
      break;
    case stringType:
    case staticStringType:
      param->value.str = static_cast<char*>(p);
      break;
    case doType:
      param->value.proc = reinterpret_cast<PDProc>(p);
      break;
    default:
      break;
  }
}

void in_SetUpParametersDialogP(PDPage** listVar) {
  if (s_PD.setUpDone) PrintError("Error in SetUpParametersDialog:\nSecond call");
  s_PD.setUpDone = 1;
  PDPage* page = static_cast<PDPage*>(std::calloc(1, sizeof(PDPage)));
  if (!page) s_OOMError();
  *listVar = page;
  page->dialog = pdNewPageDialog();
  page->count = 0;
  page->firstEditable = 0;
  page->prev = page->next = nullptr;
}

// A full page gets a successor; the two are linked by ">>" and "<<".
static PDPage* appendPage(PDPage* last) {
  PDPage* page = static_cast<PDPage*>(std::calloc(1, sizeof(PDPage)));
  if (!page) s_OOMError();
  last->next = page;
  page->prev = last;
  pdMakeControlItem(last->dialog, kPDNextItem, ">>", 1, false, 0);
  page->dialog = pdNewPageDialog();
  page->next = nullptr;
  page->count = 0;
  page->firstEditable = 0;
  pdMakeControlItem(page->dialog, kPDPrevItem, "<<", 1, false, 0);
  return page;
}

// Labels go into a file between double quotes and end at the line's end:
// a quote or a line break in one would make the file unreadable, so they
// are replaced, and a label too long for its slot is cut.
static void takeName(PDParam* param, const char* name) {
  bool cut = copyText(param->name, name);
  bool replaced = false;
  for (char* c = param->name; *c; ++c) {
    if (*c == '"') *c = '\'', replaced = true;
    else if (*c == '\n' || *c == '\r') *c = ' ', replaced = true;
  }
  if (cut) pdPrint("Error in AddParameter: the label is cut to %d characters:\n%s\n", kPDNameSize - 1, param->name);
  if (replaced)
    pdPrint("Error in AddParameter: a label may not hold a double quote or a line break:\n%s\n", param->name);
  PDMakePString(param->name, param->nameP);
}

// Sets up the slot's value item as its type is shown.
static void setUpValueItem(PDPage* page, int slot) {
  PDParam* param = &page->params[slot];
  short item = short(5 + 2 * slot);
  switch (param->type) {
    case intType: case longType: case shortType: case doubleType: case expType: case stringType:
    case staticIntType: case staticStringType: {
      bool editable = param->type != staticIntType && param->type != staticStringType;
      PDMakePString(param->valueText, param->valueP);
      pdMakeTextItem(page->dialog, item, editable, param->valueP);
      break;
    }
    case flagType:
      pdMakeControlItem(page->dialog, item, "", short(param->value.i & 0xFFFF), true, 0);
      break;
    case doType:
      pdMakeControlItem(page->dialog, item, "Do", 0, false, 30);
      break;
    default:
      break;
  }
}

static bool isReadOnly(int32_t type) {
  return type == staticIntType || type == staticStringType || type == flagType || type == doType;
}

void in_AddParameterP(void* pointer, int type, const char* name, PDPage* list) {
  if (!list) {
    pdPrint("Error: ParametersDialog not initialized\n");
    Stop();
    s_ExitWithStatus(-1);
  }
  if (!pointer && PDTypeName(type)) {
    pdPrint("Error in AddParameter: no variable for %s\n", name ? name : "");
    return;
  }
  PDPage* page = list;
  while (page->next) page = page->next;
  if (page->count > kPDParamsPerPage - 1) page = appendPage(page);

  int slot = page->count;
  PDParam* param = &page->params[slot];
  param->pointer = pointer;
  param->type = type;
  takeName(param, name ? name : "");
  takeValue(param);
  if ((type == stringType || type == staticStringType) && std::strlen(param->value.str) > kPDTextSize - 1)
    pdPrint("Error in AddParameter: the text of %s is shown cut to %d characters\n", param->name, kPDTextSize - 1);
  PDFormatValue(param);

  pdSetItemText(page->dialog, short(4 + 2 * slot), param->nameP);
  setUpValueItem(page, slot);
  if (isReadOnly(type) && page->firstEditable == slot) page->firstEditable = slot + 1;
  page->count++;
  CheckPause();
}

void in_AddParameterP0(void* pointer, int type, const char* name, PDPage** listVar) {
  if (!*listVar) in_SetUpParametersDialogP(listVar);
  in_AddParameterP(pointer, type, name, *listVar);
}
