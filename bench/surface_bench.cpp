// Benchmark of surfacegraph against the plotting tools a user would pick
// instead, each turning the same 200 x 200 grid into a shaded EPS in one run:
// gnuplot (pm3d with depth ordering and lighting) and matplotlib
// (plot_surface with every row and column). Whole processes are timed, best
// of 5 (wall clock, and CPU time of the child), with their peak memory
// (maximum resident set) and the size of the EPS each writes. The goals are
// judged on CPU time: the machine is shared, so wall clock also counts the
// waits for a core.
//
// The peers are for benchmarking only and not in scripts/deps:
//     apt-get install -y gnuplot-nox python3-matplotlib
//
//   bench_surface_bench      exits 1 when a goal (at least as fast as
//                            gnuplot, 15 x faster than matplotlib) is missed
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const int kNodes = 200;

struct Run {
  double wall = 1e30, cpu = 1e30;
  long peakKB = 0;
  long epsBytes = 0;
  bool ok = false;
};

std::string folder() {
  std::string dir = "/tmp/vok-surface-bench-" + std::to_string(getpid());
  mkdir(dir.c_str(), 0755);
  return dir;
}

void writeText(const std::string& path, const std::string& text) {
  FILE* f = std::fopen(path.c_str(), "w");
  if (!f) std::perror(path.c_str()), std::exit(2);
  std::fputs(text.c_str(), f);
  std::fclose(f);
}

// Folds in both directions: a ridge across a peak, on a 0.02 lattice.
double value(double x, double y) {
  return std::exp(-(x * x + y * y)) * std::cos(2 * x) + 0.6 * std::exp(-8 * (y - 0.5 * x) * (y - 0.5 * x));
}

// The same values twice: our data file (header, one row per node) and
// gnuplot's grid file (a blank line after each x scan).
void writeGrids(const std::string& dir) {
  FILE* tsv = std::fopen((dir + "/grid.tsv").c_str(), "w");
  FILE* dat = std::fopen((dir + "/grid.dat").c_str(), "w");
  if (!tsv || !dat) std::perror(dir.c_str()), std::exit(2);
  std::fputs("x\ty\tvalue\n", tsv);
  for (int i = 0; i < kNodes; ++i) {
    double x = -2 + 0.02 * i;
    for (int j = 0; j < kNodes; ++j) {
      double y = -2 + 0.02 * j, f = value(x, y);
      std::fprintf(tsv, "%.2f\t%.2f\t%.6f\n", x, y, f);
      std::fprintf(dat, "%.2f %.2f %.6f\n", x, y, f);
    }
    std::fputs("\n", dat);
  }
  std::fclose(tsv);
  std::fclose(dat);
}

long fileSize(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? long(st.st_size) : 0;
}

// Runs `command` through the shell in `dir` `runs` times; `eps` (unless
// empty) is the file it must write.
Run timed(const std::string& dir, const std::string& command, const std::string& eps, int runs = 5) {
  Run best;
  for (int i = 0; i < runs; ++i) {
    if (!eps.empty()) std::remove((dir + "/" + eps).c_str());
    auto t0 = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
      if (chdir(dir.c_str()) != 0) _exit(127);
      execl("/bin/sh", "sh", "-c", (command + " >/dev/null 2>&1").c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage use{};
    wait4(pid, &status, 0, &use);
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    double cpu = use.ru_utime.tv_sec + use.ru_stime.tv_sec + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) * 1e-6;
    long size = eps.empty() ? 0 : fileSize(dir + "/" + eps);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || (size == 0 && !eps.empty())) return best;
    best.ok = true;
    best.wall = std::min(best.wall, wall);
    best.cpu = std::min(best.cpu, cpu);
    best.peakKB = std::max(best.peakKB, long(use.ru_maxrss));
    best.epsBytes = size;
  }
  return best;
}

std::string surfacegraphPath() {
  char self[4096];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string path = n > 0 ? std::string(self, size_t(n)) : "";
  return path.substr(0, path.rfind('/')) + "/../programs/surfacegraph";
}

void report(const char* name, const Run& r, const Run& ours) {
  if (!r.ok) return (void)std::printf("%-12s did not run\n", name);
  std::printf("%-12s wall %6.3f s  cpu %6.3f s  peak RSS %6.1f MB  EPS %6.2f MB", name, r.wall, r.cpu,
              r.peakKB / 1024.0, r.epsBytes / 1e6);
  if (&r != &ours) std::printf("   ours: %5.1f x faster (wall), %5.1f x (cpu)", r.wall / ours.wall, r.cpu / ours.cpu);
  std::printf("\n");
}
}  // namespace

int main() {
  std::string dir = folder();
  writeGrids(dir);
  // One shaded pass without cell outlines (neither peer draws a mesh), the
  // grid's own nodes as corners, saved as EPS.
  writeText(dir + "/script",
            "field \"X Width\" 400\nfield \"Y Width\" 400\ncheck \"Glid\" off\n"
            "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"vok.eps\"\nclick 600 400\n"
            "check \"Exit Graph\" on\npress \"OK\"\n");
  // The same pass drawn on the screen only, without recording: what the
  // drawing costs apart from the EPS.
  writeText(dir + "/screen",
            "field \"X Width\" 400\nfield \"Y Width\" 400\ncheck \"Glid\" off\npress \"OK\"\n"
            "click 600 400\ncheck \"Exit Graph\" on\npress \"OK\"\n");
  writeText(dir + "/gnuplot.gp",
            "set terminal postscript eps color\nset output 'gnuplot.eps'\n"
            "set pm3d depthorder lighting\nunset colorbox\n"
            "splot 'grid.dat' using 1:2:3 with pm3d notitle\n");
  writeText(dir + "/mpl.py",
            "import numpy as np\nimport matplotlib\nmatplotlib.use('Agg')\nimport matplotlib.pyplot as plt\n"
            "d = np.loadtxt('grid.tsv', skiprows=1)\n"
            "X, Y, Z = (d[:, k].reshape(200, 200) for k in range(3))\n"
            "ax = plt.figure().add_subplot(projection='3d')\n"
            "ax.plot_surface(X, Y, Z, rstride=1, cstride=1, color='white', shade=True)\n"
            "plt.savefig('mpl.eps')\n");

  Run ours = timed(dir, "VOK_DISPLAY=headless VOK_SCRIPT=script '" + surfacegraphPath() + "' grid.tsv", "vok.eps");
  Run screen =
      timed(dir, "VOK_DISPLAY=headless VOK_SCRIPT=screen '" + surfacegraphPath() + "' grid.tsv", "");
  Run gnuplot = timed(dir, "gnuplot gnuplot.gp", "gnuplot.eps");
  Run mpl = timed(dir, "/usr/bin/python3 mpl.py", "mpl.eps");
  std::printf("%d x %d grid, whole runs, best of 5\n", kNodes, kNodes);
  if (std::system(("rm -rf '" + dir + "'").c_str()) != 0) std::printf("could not remove %s\n", dir.c_str());
  if (!ours.ok) return std::printf("surfacegraph failed (%s)\n", surfacegraphPath().c_str()), 2;
  report("surfacegraph", ours, ours);
  if (screen.ok)
    std::printf("  screen only: wall %6.3f s  cpu %6.3f s  peak RSS %6.1f MB (no EPS)\n", screen.wall,
                screen.cpu, screen.peakKB / 1024.0);
  report("gnuplot", gnuplot, ours);
  report("matplotlib", mpl, ours);
  if (!gnuplot.ok || !mpl.ok) std::printf("install the peers: apt-get install -y gnuplot-nox python3-matplotlib\n");
  bool met = gnuplot.ok && mpl.ok && ours.cpu <= gnuplot.cpu && mpl.cpu >= 15 * ours.cpu;
  std::printf("goals on CPU time (as fast as gnuplot, 15 x matplotlib): %s\n", met ? "met" : "MISSED");
  return met ? 0 : 1;
}
