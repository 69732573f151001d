// Ghostscript checks for EPS files (see ghostscript.h).
#include "tests/support/ghostscript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/headless.h"
#include "tests/support/paths.h"

namespace vtest {
namespace {
const char* kGS = "gs -q -dNOPAUSE -dBATCH -dSAFER";

std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string absolute(const std::string& p) { return std::filesystem::absolute(p).string(); }

// Finds "tag a b c d" in text.
bool parseBox(const std::string& text, const std::string& tag, Box* box) {
  size_t at = text.find(tag);
  if (at == std::string::npos) return false;
  std::istringstream in(text.substr(at + tag.size()));
  return bool(in >> box->llx >> box->lly >> box->urx >> box->ury);
}
}  // namespace

bool haveGhostscript() { return haveTool("gs"); }

bool gsParses(const std::string& eps, std::string* log) {
  RunResult r = run(std::string(kGS) + " -sDEVICE=nullpage " + shellQuote(eps));
  if (log) *log = r.out + r.err;
  return r.status == 0 && r.err.find("Error") == std::string::npos && r.out.find("Error") == std::string::npos;
}

bool gsStacks(const std::string& eps, int* operands, int* dicts, std::string* log) {
  std::string path = absolute(eps);
  std::string dir = std::filesystem::path(path).parent_path().string() + "/";
  RunResult r = run(std::string(kGS) + " -dNODISPLAY --permit-file-read=" + shellQuote(dir) + " -c " +
                    shellQuote("(" + path + ") (r) file cvx exec count = countdictstack ="));
  if (log) *log = r.out + r.err;
  if (r.status != 0) return false;
  // The two numbers are the last two words (font substitution notes may come first).
  std::istringstream in(r.out);
  std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
  if (words.size() < 2) return false;
  try {
    *operands = std::stoi(words[words.size() - 2]);
    *dicts = std::stoi(words.back());
  } catch (...) {
    return false;
  }
  return true;
}

bool epsDeclaredBox(const std::string& eps, Box* box) {
  std::ifstream in(eps);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("%%BoundingBox:", 0) == 0) return parseBox(line, "%%BoundingBox:", box);
    if (line.rfind("%%EndComments", 0) == 0 || line.rfind("%", 0) != 0) return false;
  }
  return false;
}

bool gsMeasuredBox(const std::string& eps, Box* box) {
  RunResult r = run(std::string(kGS) +
                    " -sDEVICE=bbox -dDEVICEWIDTHPOINTS=20000 -dDEVICEHEIGHTPOINTS=20000 -c '10000 10000 translate' -f " +
                    shellQuote(eps));
  std::string text = r.out + r.err;
  if (r.status != 0) return false;
  if (!parseBox(text, "%%BoundingBox:", box)) return false;
  if (box->urx <= box->llx || box->ury <= box->lly) {
    *box = Box{};
    return true;
  }
  for (double* v : {&box->llx, &box->lly, &box->urx, &box->ury}) *v -= 10000;
  return true;
}

// The next header token of a PPM file, past "#" comments.
std::string ppmToken(std::istream& in) {
  std::string token;
  while (in >> token && token[0] == '#') std::getline(in, token);
  return token;
}

bool readPPM(const std::string& path, Image* out) {
  std::ifstream in(path, std::ios::binary);
  std::string magic = ppmToken(in);
  long maxval = 0;
  try {
    out->width = std::stoi(ppmToken(in));
    out->height = std::stoi(ppmToken(in));
    maxval = std::stol(ppmToken(in));
  } catch (...) {
    return false;
  }
  in.get();  // the one blank before the samples
  if (magic != "P6" || out->width <= 0 || out->height <= 0 || (maxval != 255 && maxval != 65535)) return false;
  size_t bytes = maxval > 255 ? 2 : 1;  // 16-bit samples are cut to their high byte
  std::vector<unsigned char> raw(size_t(out->width) * size_t(out->height) * 3 * bytes);
  in.read(reinterpret_cast<char*>(raw.data()), std::streamsize(raw.size()));
  if (!in) return false;
  out->rgb.resize(size_t(out->width) * size_t(out->height));
  for (size_t i = 0; i < out->rgb.size(); ++i)
    out->rgb[i] = uint32_t(raw[3 * i * bytes]) << 16 | uint32_t(raw[(3 * i + 1) * bytes]) << 8 | raw[(3 * i + 2) * bytes];
  return true;
}

bool readPPMVia(const std::string& command, Image* out) {
  std::string path = scratchDir("pnm") + "/image.ppm";
  return run(command + " > " + path).status == 0 && readPPM(path, out);
}

bool writePPM(const std::string& path, const Image& img) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << img.width << " " << img.height << "\n255\n";
  for (uint32_t p : img.rgb) {
    char px[3] = {char(p >> 16), char(p >> 8), char(p)};
    out.write(px, 3);
  }
  return bool(out);
}

// gs's ppmraw device without antialiasing, `options` before the file.
static bool gsRaster(const std::string& file, const std::string& ppm, const std::string& options, std::string* log) {
  RunResult r = run(std::string(kGS) + " -sDEVICE=ppmraw -dTextAlphaBits=1 -dGraphicsAlphaBits=1 " + options +
                    " -sOutputFile=" + shellQuote(ppm) + " " + shellQuote(file));
  if (log) *log = r.out + r.err;
  return r.status == 0;
}

bool gsRender(const std::string& eps, Image* out, std::string* log) {
  return gsRaster(eps, eps + ".gs.ppm", "-r72 -dEPSCrop", log) && readPPM(eps + ".gs.ppm", out);
}

bool gsRenderPages(const std::string& ps, std::vector<Image>* pages, std::string* log, int dpi) {
  pages->clear();
  std::string base = ps + ".page";
  if (!gsRaster(ps, base + "%d.ppm", "-r" + std::to_string(dpi), log)) return false;
  for (Image img; readPPM(base + std::to_string(pages->size() + 1) + ".ppm", &img);) pages->push_back(img);
  return !pages->empty();
}

bool epsToPdf(const std::string& eps, const std::string& pdf) {
  RunResult r = run("ps2pdf -dEPSCrop " + shellQuote(eps) + " " + shellQuote(pdf));
  std::error_code ec;
  return r.status == 0 && std::filesystem::file_size(pdf, ec) > 0 && !ec;
}
void expectGoodEPS(const std::string& eps) {
  ASSERT_TRUE(fileExists(eps)) << eps;
  VTEST_REQUIRE(haveGhostscript(), "gs");
  std::string log;
  EXPECT_TRUE(gsParses(eps, &log)) << log;
  Box declared, measured;
  ASSERT_TRUE(epsDeclaredBox(eps, &declared));
  ASSERT_TRUE(gsMeasuredBox(eps, &measured));
  EXPECT_FALSE(measured.empty());
  EXPECT_GE(measured.llx, declared.llx);
  EXPECT_LE(measured.urx, declared.urx);
}
}  // namespace vtest
