// Page formats: the paper (from a short list), orientation and scale; the
// session's default (PAPERSIZE, else /etc/papersize, else A4), validation,
// the page rectangles, and the flattened text form kept in page-setting
// files. Unflattening accepts only the exact form written here, so a
// corrupt, cut or foreign file is refused instead of giving a strange page.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "platform/print/dialog_parts.h"
#include "platform/print/print_internal.h"

namespace {
const VokPaper kPapers[] = {
    {"A4", "A4", 595, 842},
    {"A5", "A5", 420, 595},
    {"US Letter", "Letter", 612, 792},
    {"US Legal", "Legal", 612, 1008},
};

const char kFlatMagic[] = "vok page format 1";

std::string trimmed(std::string s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.pop_back();
  size_t i = 0;
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  return s.substr(i);
}

// libpaper's names: "a4", "letter", ...
const VokPaper* paperFromSystemName(std::string name) {
  name = trimmed(name);
  if (strcasecmp(name.c_str(), "letter") == 0) return &kPapers[2];
  if (strcasecmp(name.c_str(), "legal") == 0) return &kPapers[3];
  if (strcasecmp(name.c_str(), "a4") == 0) return &kPapers[0];
  if (strcasecmp(name.c_str(), "a5") == 0) return &kPapers[1];
  return nullptr;
}

void setPaper(OpaquePMPageFormat* f, const VokPaper& p) {
  f->paper = p.name;
  f->paperWidth = p.width;
  f->paperHeight = p.height;
}

OpaquePMPageFormat* formatOf(PMPageFormat f) { return vokprint::as<OpaquePMPageFormat>(f, PMKind::pageFormat); }
}  // namespace

namespace vokprint {
const VokPaper* paperNamed(const std::string& name) {
  for (const VokPaper& p : kPapers)
    if (name == p.name) return &p;
  return nullptr;
}

const VokPaper* paperWithKeyword(const std::string& keyword) {
  for (const VokPaper& p : kPapers)
    if (strcasecmp(keyword.c_str(), p.keyword) == 0) return &p;
  return nullptr;
}

const VokPaper* defaultPaper() {
  if (const char* env = std::getenv("PAPERSIZE"); env && *env)
    if (const VokPaper* p = paperFromSystemName(env)) return p;
  if (FILE* f = std::fopen("/etc/papersize", "r")) {
    char line[64];
    const VokPaper* found = nullptr;
    while (!found && std::fgets(line, sizeof line, f))
      if (line[0] != '#') found = paperFromSystemName(line);
    std::fclose(f);
    if (found) return found;
  }
  return &kPapers[0];
}

void pageSize(const OpaquePMPageFormat& f, short* width, short* height) {
  double w = f.orientation == kPMLandscape ? f.paperHeight : f.paperWidth;
  double h = f.orientation == kPMLandscape ? f.paperWidth : f.paperHeight;
  double s = f.scale > 0 ? f.scale / 100.0 : 1.0;
  *width = short(w / s + 0.5);
  *height = short(h / s + 0.5);
}
}  // namespace vokprint

std::vector<std::string> VokPaperNames() {
  std::vector<std::string> names;
  for (const VokPaper& p : kPapers) names.push_back(p.name);
  return names;
}

OSStatus PMCreatePageFormat(PMPageFormat* format) {
  if (!format) return kPMInvalidParameter;
  auto* f = new OpaquePMPageFormat;
  setPaper(f, *vokprint::defaultPaper());
  *format = f;
  return kPMNoError;
}

OSStatus PMSessionDefaultPageFormat(PMPrintSession session, PMPageFormat format) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!vokprint::as<OpaquePMPrintSession>(session, PMKind::session) || !f) return kPMInvalidParameter;
  setPaper(f, *vokprint::defaultPaper());
  f->orientation = kPMPortrait;
  f->scale = 100;
  return kPMNoError;
}

OSStatus PMSessionValidatePageFormat(PMPrintSession session, PMPageFormat format, Boolean* changed) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!vokprint::as<OpaquePMPrintSession>(session, PMKind::session) || !f) return kPMInvalidParameter;
  OpaquePMPageFormat before = *f;
  const VokPaper* p = vokprint::paperNamed(f->paper);
  setPaper(f, p ? *p : *vokprint::defaultPaper());
  if (f->orientation != kPMPortrait && f->orientation != kPMLandscape) f->orientation = kPMPortrait;
  if (f->scale < vokprint::kMinScale) f->scale = vokprint::kMinScale;
  if (f->scale > vokprint::kMaxScale) f->scale = vokprint::kMaxScale;
  if (changed)
    *changed = before.paper != f->paper || before.paperWidth != f->paperWidth ||
               before.paperHeight != f->paperHeight || before.orientation != f->orientation ||
               before.scale != f->scale;
  return kPMNoError;
}

OSStatus PMFlattenPageFormat(PMPageFormat format, Handle* flat) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || !flat) return kPMInvalidParameter;
  char text[256];
  int n = std::snprintf(text, sizeof text, "%s\npaper %s\nsize %d %d\norientation %s\nscale %d\n", kFlatMagic,
                        f->paper.c_str(), f->paperWidth, f->paperHeight,
                        f->orientation == kPMLandscape ? "landscape" : "portrait", f->scale);
  if (n <= 0 || n >= int(sizeof text)) return kPMGeneralError;
  *flat = nullptr;
  return PtrToHand(text, flat, n) == noErr ? kPMNoError : OSStatus(memFullErr);
}

// 1. The data is lines ending in LF (the last LF may be missing), no NUL.
// 2. Exactly five lines: the magic, paper, size, orientation, scale.
// 3. The paper is a known one and the size is that paper's.
OSStatus PMUnflattenPageFormat(Handle flat, PMPageFormat* format) {
  if (!format) return kPMInvalidParameter;
  *format = nullptr;
  if (!flat || !*flat) return kPMInvalidFlatData;
  Size size = GetHandleSize(flat);
  if (size <= 0 || size > 1024) return kPMInvalidFlatData;
  std::string data(*flat, size_t(size));
  if (data.find('\0') != std::string::npos) return kPMInvalidFlatData;
  if (data.back() != '\n') data += '\n';
  std::vector<std::string> lines;
  for (size_t at = 0, nl; (nl = data.find('\n', at)) != std::string::npos; at = nl + 1)
    lines.push_back(data.substr(at, nl - at));
  auto value = [&](size_t i, const char* key, std::string* out) {
    std::string prefix = std::string(key) + " ";
    if (lines[i].compare(0, prefix.size(), prefix) != 0) return false;
    *out = lines[i].substr(prefix.size());
    return true;
  };
  std::string paper, size2, orientation, scale;
  if (lines.size() != 5 || lines[0] != kFlatMagic || !value(1, "paper", &paper) || !value(2, "size", &size2) ||
      !value(3, "orientation", &orientation) || !value(4, "scale", &scale))
    return kPMInvalidFlatData;
  const VokPaper* p = vokprint::paperNamed(paper);
  size_t space = size2.find(' ');
  long w = 0, h = 0, s = 0;
  if (!p || space == std::string::npos || !vokprint::wholeNumber(size2.substr(0, space), 1, 30000, &w) ||
      !vokprint::wholeNumber(size2.substr(space + 1), 1, 30000, &h) || w != p->width || h != p->height)
    return kPMInvalidFlatData;
  if (orientation != "portrait" && orientation != "landscape") return kPMInvalidFlatData;
  if (!vokprint::wholeNumber(scale, vokprint::kMinScale, vokprint::kMaxScale, &s)) return kPMInvalidFlatData;
  auto* f = new OpaquePMPageFormat;
  setPaper(f, *p);
  f->orientation = orientation == "landscape" ? kPMLandscape : kPMPortrait;
  f->scale = short(s);
  *format = f;
  return kPMNoError;
}

OSStatus PMGetAdjustedPageRect(PMPageFormat format, PMRect* pageRect) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || !pageRect) return kPMInvalidParameter;
  short w, h;
  vokprint::pageSize(*f, &w, &h);
  *pageRect = {0, 0, double(h), double(w)};
  return kPMNoError;
}

OSStatus PMGetOrientation(PMPageFormat format, PMOrientation* orientation) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || !orientation) return kPMInvalidParameter;
  *orientation = f->orientation;
  return kPMNoError;
}

OSStatus PMSetOrientation(PMPageFormat format, PMOrientation orientation, Boolean) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || (orientation != kPMPortrait && orientation != kPMLandscape)) return kPMInvalidParameter;
  f->orientation = orientation;
  return kPMNoError;
}

OSStatus PMGetScale(PMPageFormat format, double* scale) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || !scale) return kPMInvalidParameter;
  *scale = f->scale;
  return kPMNoError;
}

OSStatus PMSetScale(PMPageFormat format, double scale) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || !(scale >= vokprint::kMinScale && scale <= vokprint::kMaxScale)) return kPMInvalidParameter;
  f->scale = short(scale + 0.5);
  return kPMNoError;
}

OSStatus PMGetPaperName(PMPageFormat format, std::string* name) {
  OpaquePMPageFormat* f = formatOf(format);
  if (!f || !name) return kPMInvalidParameter;
  *name = f->paper;
  return kPMNoError;
}

OSStatus PMSetPaperName(PMPageFormat format, const std::string& name) {
  OpaquePMPageFormat* f = formatOf(format);
  const VokPaper* p = vokprint::paperNamed(name);
  if (!f || !p) return kPMInvalidParameter;
  setPaper(f, *p);
  return kPMNoError;
}
