// Font numbers <-> family names, and families -> font files via fontconfig.
// The classic families have fixed numbers and are drawn with metric-compatible
// free fonts; any other installed family gets a number on first lookup.
// fontconfig always answers with some font, so every match is checked against
// the family asked for: a family that is not installed falls back to the
// system font, with a message naming the family and the package it needs.
#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

#include "platform/base/program.h"
#include "platform/font/font.h"
#include "platform/font/font_internal.h"

namespace vokfont {
namespace {

struct Family {
  short id;
  std::string name;      // what FMGetFontFamilyName answers
  std::string fcFamily;  // the family fontconfig is asked for
  const char* package;   // Debian package of the free font; null for fontconfig's own families
  bool symbol;           // bytes are the font's own codes
};

// The system font (0) and the application font (1) are both a Geneva-like sans.
const Family kClassic[] = {
    {systemFont, "Geneva", "DejaVu Sans", "fonts-dejavu-core", false},
    {applFont, "Geneva", "DejaVu Sans", "fonts-dejavu-core", false},
    {3, "Geneva", "DejaVu Sans", "fonts-dejavu-core", false},
    {4, "Monaco", "DejaVu Sans Mono", "fonts-dejavu-core", false},
    {20, "Times", "Nimbus Roman", "fonts-urw-base35", false},
    {21, "Helvetica", "Nimbus Sans", "fonts-urw-base35", false},
    {22, "Courier", "Nimbus Mono PS", "fonts-urw-base35", false},
    {23, "Symbol", "Standard Symbols PS", "fonts-urw-base35", true},
};

constexpr int kFirstDynamicID = 1024;
constexpr int kMaxDynamic = 4096;

std::vector<Family> g_dynamic;        // id = kFirstDynamicID + index
std::set<std::string> g_unknownNames;  // names fontconfig had no family for (folded)
std::string g_lastError;
std::set<std::string> g_reported;  // messages already written to standard error

// Case and blanks do not matter in family names ("nimbus roman" = "NimbusRoman").
std::string fold(const std::string& s) {
  std::string out;
  for (unsigned char c : s)
    if (!std::isspace(c)) out += char(std::tolower(c));
  return out;
}

FcConfig* config() {
  static FcConfig* cfg = FcInitLoadConfigAndFonts();
  return cfg;
}

struct FcAnswer {
  bool familyMatches = false;
  std::string family;  // fontconfig's spelling of the matched family
  std::string path;
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  bool embolden = false, sheared = false;  // fontconfig's own synthesis advice
};

// Asks fontconfig for family at the given weight and slant. An empty family
// takes whatever fontconfig offers by default.
FcAnswer fcMatch(const std::string& family, bool bold, bool italic) {
  FcAnswer a;
  FcConfig* cfg = config();
  if (!cfg) return a;
  FcPattern* pat = FcPatternCreate();
  if (!pat) return a;
  if (!family.empty()) FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddInteger(pat, FC_WIDTH, FC_WIDTH_NORMAL);
  FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(cfg, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result;
  FcPattern* m = FcFontMatch(cfg, pat, &result);
  FcPatternDestroy(pat);
  if (!m) return a;
  FcChar8* s = nullptr;
  const std::string want = fold(family);
  for (int i = 0; FcPatternGetString(m, FC_FAMILY, i, &s) == FcResultMatch; ++i) {
    std::string fam = reinterpret_cast<const char*>(s);
    if (i == 0) a.family = fam;
    if (!want.empty() && fold(fam) == want) {
      a.familyMatches = true;
      a.family = fam;
    }
  }
  if (FcPatternGetString(m, FC_FILE, 0, &s) == FcResultMatch) a.path = reinterpret_cast<const char*>(s);
  FcPatternGetInteger(m, FC_INDEX, 0, &a.index);
  FcPatternGetInteger(m, FC_WEIGHT, 0, &a.weight);
  FcPatternGetInteger(m, FC_SLANT, 0, &a.slant);
  FcBool b = FcFalse;
  if (FcPatternGetBool(m, FC_EMBOLDEN, 0, &b) == FcResultMatch) a.embolden = b;
  FcMatrix* mat = nullptr;
  if (FcPatternGetMatrix(m, FC_MATRIX, 0, &mat) == FcResultMatch && mat) a.sheared = mat->xy != 0;
  FcPatternDestroy(m);
  if (family.empty()) a.familyMatches = !a.path.empty();
  return a;
}

const Family* findFamily(int id) {
  for (const Family& f : kClassic)
    if (f.id == id) return &f;
  int i = id - kFirstDynamicID;
  if (i >= 0 && i < int(g_dynamic.size())) return &g_dynamic[size_t(i)];
  return nullptr;
}

std::string missingMessage(const Family& f) {
  std::string m = "Font \"" + f.name + "\" is not installed";
  if (f.package) m += " (it needs \"" + f.fcFamily + "\" from the package " + f.package + ")";
  return m;
}

// Names the family text is drawn in instead, so that a reader knows the face.
std::string fallbackText(const std::string& family) {
  return family.empty() ? "using the system font instead" : "drawing it in \"" + family + "\" (the system font) instead";
}

ResolvedFace fromAnswer(const FcAnswer& a, int style, bool symbol) {
  ResolvedFace r;
  r.path = a.path;
  r.index = a.index;
  // With its stock setup fontconfig reports the weight and slant asked for
  // and marks the synthesis it advises; without it, the file's own values.
  r.fakeBold = (style & kStyleBold) && (a.embolden || a.weight < FC_WEIGHT_DEMIBOLD);
  r.fakeItalic = (style & kStyleItalic) && (a.sheared || a.slant == FC_SLANT_ROMAN);
  r.symbolEncoded = symbol;
  return r;
}

// The face of the system font, or of whatever fontconfig offers when even
// that is missing (an empty path when there is no font at all); `why` gets
// what went wrong, if anything, and *family the family drawn with.
ResolvedFace systemFace(int style, std::string* why, std::string* family = nullptr) {
  const Family& sys = kClassic[0];
  FcAnswer a = fcMatch(sys.fcFamily, style & kStyleBold, style & kStyleItalic);
  if (family) *family = a.family;
  if (a.familyMatches && !a.path.empty()) return fromAnswer(a, style, false);
  a = fcMatch("", style & kStyleBold, style & kStyleItalic);
  if (family) *family = a.family;
  if (!a.path.empty()) {
    *why = "the system font \"" + sys.fcFamily + "\" is not installed (package " + sys.package + "); using \"" +
           a.family + "\" instead";
    return fromAnswer(a, style, false);
  }
  *why = "no font is installed at all (fontconfig found none), so text is measured but not drawn";
  return ResolvedFace{};
}

ResolvedFace resolveUncached(int familyID, int style) {
  const Family* f = findFamily(familyID);
  std::string why;
  if (!f || f->id == systemFont) {
    ResolvedFace r = systemFace(style, &why);
    if (!why.empty()) setLastError(std::string(1, char(std::toupper(why[0]))) + why.substr(1));
    return r;
  }
  FcAnswer a = fcMatch(f->fcFamily, style & kStyleBold, style & kStyleItalic);
  if (a.familyMatches && !a.path.empty()) return fromAnswer(a, style, f->symbol);
  std::string used;
  ResolvedFace r = systemFace(style, &why, &used);
  setLastError(missingMessage(*f) + "; " + (why.empty() ? fallbackText(used) : why));
  return r;
}

short lookupName(const std::string& name) {
  const std::string key = fold(name);
  if (key.empty()) return systemFont;
  for (const Family& f : kClassic) {
    if (f.id <= applFont || fold(f.name) != key) continue;
    resolveFace(f.id, 0);  // reports a missing free font now, when the program asks for it
    return f.id;
  }
  for (const Family& f : g_dynamic)
    if (fold(f.name) == key) return f.id;
  if (!g_unknownNames.count(key)) {
    FcAnswer a = fcMatch(name, false, false);
    if (a.familyMatches && !a.path.empty() && g_dynamic.size() < size_t(kMaxDynamic)) {
      short id = short(kFirstDynamicID + int(g_dynamic.size()));
      g_dynamic.push_back(Family{id, a.family, a.family, nullptr, false});
      return id;
    }
    g_unknownNames.insert(key);
  }
  std::string why, used;
  systemFace(0, &why, &used);
  setLastError("Font \"" + name + "\" is not installed; " + (why.empty() ? fallbackText(used) : why));
  return systemFont;
}

}  // namespace

void setLastError(const std::string& message) {
  g_lastError = message;
  // Once per distinct problem on standard error, so a silent fallback is still seen.
  if (g_reported.insert(message).second) std::fprintf(stderr, "%s: %s\n", VokProgramName(), message.c_str());
}

const ResolvedFace& resolveFace(int familyID, int style) {
  static std::map<int, ResolvedFace> cache;
  style &= kStyleBold | kStyleItalic;
  if (!findFamily(familyID)) familyID = systemFont;
  int key = familyID * 4 + style;
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, resolveUncached(familyID, style)).first;
  return it->second;
}

}  // namespace vokfont

void GetFNum(ConstStr255Param name, short* familyID) {
  if (!familyID) return;
  char cname[256] = "";
  if (name) CopyPascalToC(name, cname);
  *familyID = vokfont::lookupName(cname);
}

OSStatus FMGetFontFamilyName(short familyID, Str255 name) {
  if (!name) return paramErr;
  const vokfont::Family* f = vokfont::findFamily(familyID);
  if (!f) {
    name[0] = 0;
    return kFMInvalidFontFamilyErr;
  }
  CopyCToPascal(f->name.c_str(), name);
  return noErr;
}

const char* VokFontLastError() { return vokfont::g_lastError.c_str(); }
void VokFontClearError() { vokfont::g_lastError.clear(); }
