// Graph frame tests draw on a 500 x 450 offscreen world standing in for the
// drawing window, with the transform set from the frame settings as the
// graph loop sets it: the frame range fills the width x height square whose
// lower left corner is `left` from the left and `bottom` above the bottom.
// Every text call is recorded with its pen position and face; the settings
// records go back to their defaults after each test.
#pragma once
#include <string>
#include <vector>

#include "tests/support/paths.h"
#include "tests/vok/plot/plot_fixture.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/sheet_data.h"

namespace graphtest {

using drawtest::TextCall;
inline std::vector<TextCall>& texts() { return drawtest::textCalls(); }

// Reads `text` through the real reader as the data file.
inline void readSheet(const std::string& text) {
  const std::string path = vtest::scratchDir("sheet") + "/data.tsv";
  vtest::writeFile(path, text);
  char message[512] = "";
  ASSERT_EQ(SGReadPath(path.c_str(), message, sizeof message), kSGReadOK) << message;
}

// The settings as the program starts with them, taken before any test runs:
// a data file read by another test sets its own frame range.
inline const GraphSettings kStartSettings = s_g;

class GraphTest : public plottest::PlotTest {
 protected:
  plottest::Restore<GraphSettings> savedG{&s_g};
  plottest::Restore<SGRecord> savedSG{&s_sg};
  plottest::Restore<FunctionGraphSettings> savedFG{&s_fg};

  void SetUp() override {
    PlotTest::SetUp();
    s_g = kStartSettings;
    s_g.dialog = savedG.was().dialog;
    s_g.dialogReady = savedG.was().dialogReady;
    texts().clear();
  }
  void window(short width = 500, short height = 450) {
    usePlain(width, height);
    recordTexts();
  }
  static void drawPass() {
    texts().clear();
    s_GraphSetTransform();  // the graph loop's own transform
    GraphFrameAndLabel();
  }
  // Width in the label font and size, whatever the port has now.
  static short widthOf(const std::string& s) {
    GrafPtr port = GetQDPort();
    short font = port->txFont, size = port->txSize;
    SetFont(s_g.fontName);
    TextSize(s_g.labelSize);
    short w = TextWidth(s.data(), 0, short(s.size()));
    TextFont(font);
    TextSize(size);
    return w;
  }
  static std::vector<std::string> allTexts() {
    std::vector<std::string> out;
    for (const TextCall& t : texts()) out.push_back(t.text);
    return out;
  }
  static const TextCall* find(const std::string& text, int nth = 0) {
    for (const TextCall& t : texts())
      if (t.text == text && nth-- == 0) return &t;
    return nullptr;
  }
};

}  // namespace graphtest
