// Fuzz target of the grid reader: the first byte picks the x, y and f
// columns (1 to 4 each), the rest is a data file read by the spreadsheet
// reader through a real file descriptor and made into a contour grid, as
// "Load New Data" does: grids and refusals carry over between inputs. A
// file that makes no grid raises the reader's alert, answered with Return
// as a user would. Every grid lookup is a node's value: finite.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/event/keys.h"
#include "vok/contour/grid.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

FILE* asFile(const uint8_t* data, size_t size) {
  static int fd = memfd_create("grid_read_fuzz", 0);
  if (fd < 0 || ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) != 0) return nullptr;
  if (size && write(fd, data, size) != ssize_t(size)) return nullptr;
  int copy = dup(fd);
  FILE* f = copy >= 0 ? fdopen(copy, "rb") : nullptr;
  if (f) std::rewind(f);
  return f;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("VOK_DISPLAY", "headless", 1);
  unsetenv("VOK_SCRIPT");
  s_g.graphDimension = 2;
  s_sg.maxSeries = 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  FILE* f = asFile(data + 1, size - 1);
  if (!f) return 0;
  char message[512];
  int read = SGReadFile(f, "fuzz input", message, sizeof message);
  std::fclose(f);
  if (read != kSGReadOK || !s_sg.seriesX) return 0;
  s_sg.seriesX[0] = 1 + data[0] % 4;
  s_sg.seriesY[0] = 1 + data[0] / 4 % 4;
  s_sg.seriesF[0] = 1 + data[0] / 16 % 4;
  PostInputEvent(VokKeyEvent(kReturnCharCode, 0x24, 0));
  SG2DArray();
  FlushEvents(everyEvent, 0);
  if (!s_sg.grid) return 0;
  require(s_sg.gridNx >= 2 && s_sg.gridNy >= 2, "a grid has two nodes a side");
  const double probes[][2] = {{s_sgGrid.minX, s_sgGrid.minY}, {s_sgGrid.maxX, s_sgGrid.maxY},
                              {(s_sgGrid.minX + s_sgGrid.maxX) / 2, s_sgGrid.minY}, {NAN, INFINITY},
                              {-INFINITY, 1e308}};
  for (const auto& p : probes) require(std::isfinite(Graph2DSSFunc(p[0], p[1])), "grid values are finite");
  return 0;
}
