// PNG writing over libpng's simplified interface. The writer
// fills a temporary file next to the target and renames it into place, so a
// failure (full disk, bad folder) never leaves a partial PNG.
#include "platform/gfx/png.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
void fail(std::string* error, const std::string& why) {
  if (error) *error = why;
}

bool writeImage(FILE* f, const std::vector<uint8_t>& rgb, int w, int h, std::string* why) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(w);
  image.height = png_uint_32(h);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_stdio(&image, f, 0, rgb.data(), png_int_32(3 * w), nullptr)) {
    *why = image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}
}  // namespace

bool VokWritePNG(const PixMap* pm, const char* path, std::string* error) {
  if (!pm || !pm->baseAddr || !path || !*path) {
    fail(error, "cannot write PNG: no pixels or no file name");
    return false;
  }
  int w = pm->bounds.right - pm->bounds.left, h = pm->bounds.bottom - pm->bounds.top;
  if (w <= 0 || h <= 0) {
    fail(error, std::string("cannot write PNG ") + path + ": the image is empty");
    return false;
  }
  std::vector<uint8_t> rgb(size_t(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = pm->baseAddr + ptrdiff_t(y) * pm->rowPixels;
    uint8_t* out = &rgb[size_t(y) * w * 3];
    for (int x = 0; x < w; ++x) {
      out[3 * x] = uint8_t(row[x] >> 16);
      out[3 * x + 1] = uint8_t(row[x] >> 8);
      out[3 * x + 2] = uint8_t(row[x]);
    }
  }
  std::string tmp = std::string(path) + ".XXXXXX";
  int fd = mkstemp(&tmp[0]);
  if (fd < 0) {
    fail(error, std::string("cannot write PNG ") + path + ": " + std::strerror(errno));
    return false;
  }
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  FILE* f = fdopen(fd, "wb");
  std::string why;
  bool ok = f && writeImage(f, rgb, w, h, &why);
  if (ok && (std::fflush(f) != 0 || fsync(fileno(f)) != 0)) ok = false, why = std::strerror(errno);
  if (f ? std::fclose(f) != 0 : close(fd) != 0) {
    if (ok) why = std::strerror(errno);
    ok = false;
  }
  if (ok && std::rename(tmp.c_str(), path) != 0) ok = false, why = std::strerror(errno);
  if (!ok) {
    std::remove(tmp.c_str());
    fail(error, std::string("cannot write PNG ") + path + ": " + (why.empty() ? "write failed" : why));
  }
  return ok;
}

bool VokWritePortPNG(GrafPort* port, const char* path, std::string* error) {
  return VokWritePNG(port ? &port->portPixMap : nullptr, path, error);
}
