// Fuzz target of the page-setting file: any bytes as the file a program
// keeps its page setup in, read as printing reads it and unflattened. A
// format accepted has a page, and flattening it gives a file that reads
// back as the same format.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>  // program_invocation_short_name
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/base/types.h"
#include "platform/print/print.h"
#include "vok/output/printing.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

std::string g_file;

struct Shape {
  std::string paper;
  PMOrientation orientation;
  double scale;
  PMRect page;
};

Shape shapeOf(PMPageFormat format) {
  Shape s{};
  require(PMGetPaperName(format, &s.paper) == kPMNoError && PMGetOrientation(format, &s.orientation) == kPMNoError &&
              PMGetScale(format, &s.scale) == kPMNoError && PMGetAdjustedPageRect(format, &s.page) == kPMNoError,
          "an unflattened format answers");
  require(s.page.right > s.page.left && s.page.bottom > s.page.top, "the page has an area");
  return s;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char home[] = "/tmp/page_setting_fuzz.XXXXXX";
  if (!mkdtemp(home)) std::abort();
  setenv("HOME", home, 1);
  std::string prefs = std::string(home) + "/Library/Preferences";
  if (mkdir((std::string(home) + "/Library").c_str(), 0700) != 0 || mkdir(prefs.c_str(), 0700) != 0) std::abort();
  g_file = prefs + "/" + program_invocation_short_name + "-pageSetting.txt";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = std::fopen(g_file.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  Handle flat = nullptr;
  LoadPageFormat(&flat);
  PMPageFormat format = nullptr;
  if (!flat || PMUnflattenPageFormat(flat, &format) != kPMNoError) {
    require(!format, "a refused file gives no format");
    if (flat) DisposeHandle(flat);
    return 0;
  }
  DisposeHandle(flat);
  Shape first = shapeOf(format);
  flat = nullptr;
  require(PMFlattenPageFormat(format, &flat) == kPMNoError, "an accepted format flattens");
  PMPageFormat again = nullptr;
  require(PMUnflattenPageFormat(flat, &again) == kPMNoError, "a flattened format reads back");
  Shape second = shapeOf(again);
  require(first.paper == second.paper && first.orientation == second.orientation && first.scale == second.scale &&
              first.page.right - first.page.left == second.page.right - second.page.left &&
              first.page.bottom - first.page.top == second.page.bottom - second.page.top,
          "the same format");
  DisposeHandle(flat);
  PMRelease(format);
  PMRelease(again);
  return 0;
}
