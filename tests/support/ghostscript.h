// Checks of EPS files with Ghostscript, a renderer nobody here wrote: does it
// read the file without error and with a clean stack, what box does it
// measure, and what does the file look like rendered at 72 dpi.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vtest {
// True when gs is there; when it is not, tests skip outside CI and fail inside it.
bool haveGhostscript();

// Reads the file with the null device; false (with gs's output in *log) on any error.
bool gsParses(const std::string& eps, std::string* log = nullptr);
// Runs the file and reports the operand stack depth and dictionary stack depth left behind.
bool gsStacks(const std::string& eps, int* operands, int* dicts, std::string* log = nullptr);

struct Box {
  double llx = 0, lly = 0, urx = 0, ury = 0;
  bool empty() const { return urx <= llx || ury <= lly; }
};
// The %%BoundingBox of the file's header (false when missing or not before the body).
bool epsDeclaredBox(const std::string& eps, Box* box);
// The integer box of what gs paints (its bbox device; measured on a large
// page so that negative coordinates are not clipped).
bool gsMeasuredBox(const std::string& eps, Box* box);
// The file exists, Ghostscript reads it, and what it paints lies inside the declared box.
void expectGoodEPS(const std::string& eps);

struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;  // 0xRRGGBB, rows top to bottom
  // 0xFF000000 outside the image.
  uint32_t at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFF000000u;
    return rgb[size_t(y) * size_t(width) + size_t(x)];
  }
};
// Renders the file at 72 dpi, cropped to its box, without antialiasing.
bool gsRender(const std::string& eps, Image* out, std::string* log = nullptr);
// Renders every page of a PostScript document at `dpi`, whole pages.
bool gsRenderPages(const std::string& ps, std::vector<Image>* pages, std::string* log = nullptr, int dpi = 72);
// A binary PPM (8- or 16-bit samples), from a file or from what `command` writes.
bool readPPM(const std::string& path, Image* out);
bool readPPMVia(const std::string& command, Image* out);
bool writePPM(const std::string& path, const Image& img);
// ps2pdf -dEPSCrop; true when it ran and the PDF is not empty.
bool epsToPdf(const std::string& eps, const std::string& pdf);
}  // namespace vtest
