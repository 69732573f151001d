// Writing and reading parameter files. Lines are read whole, however long,
// and split by hand: the label runs between the quotes and the value from
// the tab after the type word to the line's end, so that every line this
// writer makes (long labels, tabs in labels, blanks in strings) reads back.
#include "vok/params/param_files.h"

#include <cerrno>
#include <cstdarg>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/file/file.h"
#include "vok/draw/file_dialogs.h"
#include "vok/frame/messages.h"
#include "vok/params/dialog_run.h"
#include "vok/params/pd_print.h"

namespace {
// Lines longer than this cannot come from our writer; they are refused.
constexpr size_t kMaxLine = 4096;

// The text a string variable is saved as: up to its first line break and
// at most 254 characters, the most that reads back into its buffer.
std::string savedString(const PDParam& param) {
  const char* s = static_cast<const char*>(param.pointer);
  size_t n = std::strcspn(s, "\n");
  bool broken = s[n] == '\n';
  if (n > kPDTextSize - 1) n = kPDTextSize - 1;
  if (broken)
    pdPrint("Error in PDParamListString: the text of %s holds a line break; only what stands before it is saved\n",
            param.name);
  return std::string(s, n);
}

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
  va_list ap, ap2;
  va_start(ap, fmt);
  va_copy(ap2, ap);
  int n = std::vsnprintf(nullptr, 0, fmt, ap);
  va_end(ap);
  std::string s(n > 0 ? size_t(n) + 1 : 1, '\0');
  if (n > 0) std::vsnprintf(&s[0], s.size(), fmt, ap2);
  va_end(ap2);
  s.resize(n > 0 ? size_t(n) : 0);
  return s;
}
}  // namespace

std::string PDParamLine(const PDParam& param) {
  const char* name = param.name;
  const void* p = param.pointer;
  switch (param.type) {
    case intType: return format("\"%s\"\tintType\t%d\n", name, *static_cast<const int32_t*>(p));
    case staticIntType: return format("\"%s\"\tstaticIntType\t%d\n", name, *static_cast<const int32_t*>(p));
    case longType: return format("\"%s\"\tlongType\t%ld\n", name, *static_cast<const long*>(p));
    case shortType: return format("\"%s\"\tshortType\t%d\n", name, int(*static_cast<const int16_t*>(p)));
    case doubleType: return format("\"%s\"\tdoubleType\t%f\n", name, *static_cast<const double*>(p));
    case expType: return format("\"%s\"\texpType\t%e\n", name, *static_cast<const double*>(p));
    case stringType: return format("\"%s\"\tstringType\t%s\n", name, savedString(param).c_str());
    case staticStringType: return format("\"%s\"\tstaticStringType\t%s\n", name, savedString(param).c_str());
    case flagType: return format("\"%s\"\tflagType\t%d\n", name, *static_cast<const int32_t*>(p));
    case doType: return format("\"%s\"\tdoType\t%p\n", name, p);
    default:
      pdPrint("Error in PDParamListString: Type %d is not defined\n", int(param.type));
      return std::string();
  }
}

void PDParamListString(char* line, PDParam param) {
  std::string s = PDParamLine(param);
  std::snprintf(line, kPDLineSize, "%s", s.c_str());  // the caller's 528 bytes bound it
}

void FprintfPDParamList(FILE* file, PDParam param) { std::fputs(PDParamLine(param).c_str(), file); }

namespace {
// Writes the dump; on failure says why in the console and returns the message.
std::string saveTo(const char* path) {
  std::string error;
  VokAtomicFile* out = VokAtomicOpen(path, &error);
  if (out) {
    for (PDPage* page = s_PD.head; page; page = page->next)
      for (int slot = 0; slot < page->count; ++slot) FprintfPDParamList(VokAtomicStream(out), page->params[slot]);
    if (VokAtomicCommit(out, FourCC('T', 'E', 'X', 'T'), FourCC('V', 'O', 'K', ' '), &error)) return std::string();
  }
  std::string message = "Error in SavePDParameters: " + error + "\n";
  pdPrint("%s", message.c_str());
  return message;
}
}  // namespace

bool PDSaveParametersToPath(const char* path) { return saveTo(path).empty(); }

// The save dialog only names the file; the file is replaced once the whole
// dump has been written beside it, so a failed save keeps the old one. The
// console may be hidden (drawing-only programs), so a failed write is also
// shown in an alert, which fails a headless run too.
void SavePDParameters() {
  FSSpec spec;
  Boolean good = false;
  std::string path, failure;
  OSErr err = VOKChooseSaveFile(s_PD.fileName, FourCC('T', 'E', 'X', 'T'), &spec, &good);
  if (err != noErr || !good || !VokSpecToPath(&spec, &path) || !(failure = saveTo(path.c_str())).empty())
    pdPrint("Error while writing parameters file, may be canceled\n");
  if (!failure.empty()) s_AlertFileError(failure.c_str());
}

namespace {
// Reads one line with its newline; false when it is longer than kMaxLine
// (the rest of it is consumed, so the next read starts on the next line).
bool readLine(FILE* file, std::string& line) {
  line.clear();
  bool fits = true;
  int c;
  while ((c = std::fgetc(file)) != EOF) {
    if (line.size() < kMaxLine) line.push_back(char(c));
    else fits = false;
    if (c == '\n') break;
  }
  return fits;
}

// Splits "label"<ws>type<tab>value; returns the number of fields found, as
// the format "\"%[^\"]\"\t%s\t%[^\n]" would, but takes an empty label and
// keeps blanks at the start of the value.
int splitLine(const std::string& line, std::string& label, std::string& type, std::string& value) {
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
  if (line.empty() || line[0] != '"') return 0;
  size_t close = line.find('"', 1);
  if (close == std::string::npos) return 0;
  label = line.substr(1, close - 1);
  size_t i = close + 1;
  while (i < line.size() && isSpace(line[i])) ++i;
  size_t start = i;
  while (i < line.size() && !isSpace(line[i])) ++i;
  if (i == start) return 1;
  type = line.substr(start, i - start);
  if (i < line.size() && line[i] == '\t') ++i;
  else
    while (i < line.size() && line[i] != '\n' && isSpace(line[i])) ++i;
  size_t end = line.find('\n', i);
  if (end == std::string::npos) end = line.size();
  if (end > i && line[end - 1] == '\r') --end;  // a file saved with CRLF line ends
  value = line.substr(i, end - i);
  return value.empty() ? 2 : 3;
}

// atoi/atol without their undefined behaviour on out-of-range numbers, then
// held to the setting's own range.
long toLong(const PDParam& param, const std::string& s, long lo, long hi) {
  errno = 0;
  long v = std::strtol(s.c_str(), nullptr, 10);
  v = v < lo ? lo : v > hi ? hi : v;
  double d = double(v);
  return PDHoldToRange(param, &d) ? long(d) : v;
}

void storeValue(const PDParam& param, const std::string& value) {
  void* p = param.pointer;
  switch (param.type) {
    case intType:
    case flagType:
      *static_cast<int32_t*>(p) = int32_t(toLong(param, value, INT32_MIN, INT32_MAX));
      break;
    case longType:
      *static_cast<long*>(p) = toLong(param, value, LONG_MIN, LONG_MAX);
      break;
    case shortType:
      *static_cast<int16_t*>(p) = int16_t(toLong(param, value, INT32_MIN, INT32_MAX));
      break;
    case doubleType:
    case expType: {
      double d = std::strtod(value.c_str(), nullptr);
      PDHoldToRange(param, &d);
      *static_cast<double*>(p) = d;
      break;
    }
    case stringType: {
      size_t n = value.size() < kPDTextSize - 1 ? value.size() : kPDTextSize - 1;
      char* s = static_cast<char*>(p);
      std::memcpy(s, value.data(), n);
      s[n] = 0;
      break;
    }
    default:
      break;  // read-only and command slots take the line and store nothing
  }
}
}  // namespace

int FscanfPDParamList(FILE* file, PDParam param) {
  // A slot of a type outside the ten has no line of its own (the writer
  // makes none), so nothing is read for it and the next slot gets the line.
  if (!PDTypeName(param.type)) {
    pdPrint("Error in FscanfPDParamList: Type %d is not defined\n", int(param.type));
    return 0;
  }
  std::string line, label, type, value;
  bool fits = readLine(file, line);
  if (!fits || splitLine(line, label, type, value) < 2) {
    pdPrint("Error in FscanfPDParamList:\nthe line\n%s\nis wrong format\n", line.c_str());
    return -1;
  }
  if (label != param.name || PDStringToType(type.c_str()) != param.type) {
    pdPrint("Error in FscanfPDParamList:\nData type incompatible\n");
    pdPrint("File: %s\n", line.c_str());
    pdPrint("Dialog: %s\n", PDParamLine(param).c_str());
    return -1;
  }
  storeValue(param, value);
  return 0;
}

void LoadFileNamePDParameters(const char* fileName) {
  if (!fileName) fileName = "";
  FILE* file = *fileName ? std::fopen(fileName, "r") : DialogFOpen("VOKPDParams", "r");
  if (!file) {
    pdPrint("Error while opening parameters file\n");
    return;
  }
  bool reading = true;
  for (PDPage* page = s_PD.head; page && reading; page = page->next)
    for (int slot = 0; slot < page->count && reading; ++slot)
      reading = FscanfPDParamList(file, page->params[slot]) == 0;
  std::fclose(file);
}

void LoadPDParameters() { LoadFileNamePDParameters(""); }

void SetParametersDialogInitFile(const char* fileName) {
  std::snprintf(s_PD.fileName, sizeof s_PD.fileName, "%s", fileName);
  s_PD.initLoadFlag = 1;
}

void PDInitLoadParams() {
  GetPDValues(s_PD.head);
  LoadFileNamePDParameters(s_PD.fileName);
  SetPDValues(s_PD.head);
  s_PD.initLoadFlag = 0;
}
