// Pages as PostScript: a raster page becomes one RGB image filling the
// paper at the printer's resolution (each pixel replicated, so that edges
// stay sharp and no printer smooths them), run-length packed and
// ASCII85-encoded; a vector page keeps the
// PostScript it was drawn with. Both are rotated for landscape.
// The image data follows its operator in the file; a procedure reads the
// encoded block to its end marker afterwards, so that whatever the image
// left unread never reaches the interpreter as program text.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/print/print_internal.h"

namespace {
class Ascii85 {
 public:
  explicit Ascii85(std::string* out) : out_(out) {}
  void put(uint8_t b) {
    group_ = (group_ << 8) | b;
    if (++count_ == 4) flushGroup(4);
  }
  void finish() {
    if (count_ > 0) {
      int n = count_;
      for (int i = count_; i < 4; ++i) group_ <<= 8;
      flushGroup(n);
    }
    emit("~>", 2);
    *out_ += '\n';
  }

 private:
  void flushGroup(int bytes) {
    if (bytes == 4 && group_ == 0) {
      emit("z", 1);
    } else {
      char c[5];
      uint32_t v = group_;
      for (int i = 4; i >= 0; --i) {
        c[i] = char('!' + v % 85);
        v /= 85;
      }
      emit(c, bytes + 1);
    }
    group_ = 0;
    count_ = 0;
  }
  void emit(const char* s, int n) {
    for (int i = 0; i < n; ++i) {
      *out_ += s[i];
      if (++column_ == 72) {
        *out_ += '\n';
        column_ = 0;
      }
    }
  }
  std::string* out_;
  uint32_t group_ = 0;
  int count_ = 0, column_ = 0;
};

// Run-length packs `n` bytes (in pieces PackBits can take).
void packInto(const std::vector<uint8_t>& row, std::vector<uint8_t>* packed) {
  constexpr size_t kPiece = 16384;
  for (size_t at = 0; at < row.size(); at += kPiece) {
    size_t n = std::min(kPiece, row.size() - at);
    size_t old = packed->size();
    packed->resize(old + n + n / 128 + 2);
    Ptr src = reinterpret_cast<Ptr>(const_cast<uint8_t*>(row.data() + at));
    Ptr dst = reinterpret_cast<Ptr>(packed->data() + old);
    Ptr start = dst;
    PackBits(&src, &dst, short(n));
    packed->resize(old + size_t(dst - start));
  }
}

// Title text that DSC comments can hold: printable ASCII, no parentheses.
std::string dscText(const std::string& s) {
  std::string out;
  for (char c : s)
    out += (c >= 32 && c < 127 && c != '(' && c != ')' && c != '\\') ? c : '_';
  return out.substr(0, 200);
}

// Landscape pages lie with their top along the paper's left edge.
std::string orientationTransform(const OpaquePMPageFormat& f) {
  if (f.orientation != kPMLandscape) return "";
  return "90 rotate 0 " + std::to_string(-f.paperWidth) + " translate\n";
}
}  // namespace

namespace vokprint {
std::string encodePage(const PixMap& pm, const OpaquePMPageFormat& f, int pageNumber, short dpi) {
  int w = pm.bounds.right - pm.bounds.left, h = pm.bounds.bottom - pm.bounds.top;
  double s = f.scale / 100.0;
  // Device pixels of the page (at its scale); pixel x covers columns from x * dw / w.
  int dw = std::max(w, int(w * s * dpi / 72.0 + 0.5)), dh = std::max(h, int(h * s * dpi / 72.0 + 0.5));
  char head[512];
  std::snprintf(head, sizeof head,
                "%%%%Page: %d %d\ngsave\n%s%.4f %.4f scale\n/DeviceRGB setcolorspace\n"
                "<< /ImageType 1 /Width %d /Height %d /BitsPerComponent 8 /Decode [0 1 0 1 0 1]\n"
                "   /ImageMatrix [%d 0 0 %d 0 %d] /DataSource vokA85 /RunLengthDecode filter >>\n"
                "vokimage\n",
                pageNumber, pageNumber,
                orientationTransform(f).c_str(),
                w * s, h * s, dw, dh, dw, -dh, dh);
  std::string out = "/vokA85 currentfile /ASCII85Decode filter def\n";
  out += head;
  std::vector<uint8_t> row(size_t(dw) * 3), packed;
  for (int y = 0; y < dh; ++y) {
    const uint32_t* px = pm.baseAddr + size_t(long(y) * h / dh) * size_t(pm.rowPixels);
    for (int x = 0; x < dw; ++x) {
      uint32_t p = px[long(x) * w / dw];
      row[size_t(x) * 3] = uint8_t(p >> 16);
      row[size_t(x) * 3 + 1] = uint8_t(p >> 8);
      row[size_t(x) * 3 + 2] = uint8_t(p);
    }
    packInto(row, &packed);
  }
  packed.push_back(128);  // end of the run-length data
  Ascii85 a85(&out);
  for (uint8_t b : packed) a85.put(b);
  a85.finish();
  out += "grestore\nshowpage\n";
  return out;
}

// The page port's y-down coordinates (at the format's scale) are set up,
// clipped to the page, and the body runs inside its own save level so that
// nothing it defines or leaves outlives the page.
std::string encodeVectorPage(const std::string& body, const OpaquePMPageFormat& f, int pageNumber) {
  short w, h;
  pageSize(f, &w, &h);
  double s = f.scale / 100.0;
  char head[512];
  std::snprintf(head, sizeof head,
                "%%%%Page: %d %d\n/vokpagesave save def\n%s%.4f %.4f scale\n0 %d translate\n1 -1 scale\n"
                "0 0 %d %d rectclip\n/Times findfont 12 scalefont setfont\n1 setlinecap\n",
                pageNumber, pageNumber, orientationTransform(f).c_str(), s, s, h, w, h);
  std::string out = head;
  out += body;
  if (!body.empty() && body.back() != '\n') out += '\n';
  out += "vokpagesave restore\nshowpage\n";
  return out;
}

std::string encodeDocument(const std::string& pages, int pageCount, const OpaquePMPageFormat& f,
                           const std::string& title) {
  char head[1024];
  std::snprintf(head, sizeof head,
                "%%!PS-Adobe-3.0\n%%%%Creator: libvok\n%%%%Title: %s\n%%%%Pages: %d\n"
                "%%%%BoundingBox: 0 0 %d %d\n%%%%DocumentData: Clean7Bit\n%%%%LanguageLevel: 2\n%%%%EndComments\n"
                "%%%%BeginProlog\n/vokimage { image vokA85 flushfile } bind def\n%%%%EndProlog\n"
                "%%%%BeginSetup\n<< /PageSize [%d %d] >> setpagedevice\n%%%%EndSetup\n",
                dscText(title).c_str(), pageCount, f.paperWidth, f.paperHeight, f.paperWidth, f.paperHeight);
  return head + pages + "%%Trailer\n%%EOF\n";
}
}  // namespace vokprint
