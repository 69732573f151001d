// The parameter table: named, typed variables (and command procedures)
// registered in dialog order into a list of dialog pages of 26 slots each.
// The dialog run, the parameter files and the graph modules all work on it.
#pragma once
#include <cstdint>

#include "vok/params/pd_items.h"

enum : int32_t {
  intType = 1,
  staticIntType = 2,
  longType = 4,   // a C++ long: 64 bits wide on this system
  shortType = 8,
  doubleType = 11,
  expType = 12,
  stringType = 21,  // a buffer of at least 255 bytes
  staticStringType = 22,
  flagType = 31,
  doType = 41,
};

enum { kPDParamsPerPage = 26, kPDNameSize = 255, kPDTextSize = 255 };
// Dialog items of a page: 1, 2 end the dialog, 3 quits, labels at 4 + 2i,
// values at 5 + 2i, then the page-turning buttons.
enum : short { kPDQuitItem = 3, kPDPrevItem = 56, kPDNextItem = 57 };

typedef void (*PDProc)();

struct PDTypePair {
  const char* typeName;
  int32_t type;
};
extern const PDTypePair s_PDTypePairTable[];

// The value last shown or read back, in the variable's own type.
union PDValue {
  int32_t i;     // intType, staticIntType, flagType
  long l;        // longType
  int16_t s;     // shortType
  double d;      // doubleType, expType
  char* str;     // stringType, staticStringType
  PDProc proc;   // doType
};

struct PDParam {
  void* pointer;                  // the variable; for doType the procedure
  int32_t type;
  char name[kPDNameSize];         // at most 254 characters and the NUL
  unsigned char nameP[256];       // the label as the dialog's static text takes it
  char valueText[kPDTextSize];    // the text last written into the field
  unsigned char valueP[256];
  PDValue value;
  bool bounded;                   // values read are held to [lo, hi]
  double lo, hi;
};

struct PDPage {
  DialogRef dialog;
  PDParam params[kPDParamsPerPage];
  int32_t count;
  int32_t firstEditable;  // leading read-only, flag and button slots are skipped
  PDPage* prev;
  PDPage* next;
};

struct PDState {
  PDPage* head;          // the list last shown by the dialog
  int32_t setUpDone;
  char fileName[256];
  int32_t initLoadFlag;  // load fileName at the next showing
};
extern PDState s_PD;
extern PDPage* s_paramDialogP;

void in_SetUpParametersDialogP(PDPage** listVar);
void in_AddParameterP(void* pointer, int type, const char* name, PDPage* list);
void in_AddParameterP0(void* pointer, int type, const char* name, PDPage** listVar);
int32_t PDStringToType(const char* typeName);

// The type name of a code, or null for a code outside the ten.
const char* PDTypeName(int32_t type);
// Length-prefixed copy of a C string, bounded to 255 characters.
void PDMakePString(const char* text, unsigned char* p);
// The slot's value text from the variable (the numeric and string types);
// returns false for the types that have no text.
bool PDFormatValue(PDParam* param);

// Settings that size work or memory (digits, font sizes, pen sizes) are held
// to [lo, hi] wherever they are read: a dialog field and a parameter file
// alike. The range is set on the slot of `pointer` last added to `list`.
// PDHoldToRange returns true when *value was outside (it is then held, and
// a message names the setting and its range).
void in_SetParameterRange(const void* pointer, double lo, double hi, PDPage* list);
bool PDHoldToRange(const PDParam& param, double* value);
