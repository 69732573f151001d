// The frame settings in the Parameters dialog: a parameter file of them
// reads back into the settings; the calling program's own entries; the
// setters' string bound.
#include <cstring>
#include <string>

#include "tests/support/paths.h"
#include "tests/support/vok_expect.h"
#include "tests/vok/params/pd_fixture.h"
#include "tests/vok/plot/plot_fixture.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_settings.h"
#include "vok/plot/plot.h"

class GraphParams : public PDTest {
 protected:
  plottest::Restore<GraphSettings> savedG{&s_g};
  plottest::Restore<PlotState> savedP{&s_p};
  void SetUp() override {
    PDTest::SetUp();
    s_g.dialog = list;
    s_g.dialogReady = 1;
    s_PD.head = list;
  }
};

// Saved with changed settings, loaded over the defaults: every setting,
// the plot state's number offsets included, comes back.
TEST_F(GraphParams, AParameterFileOfThemReadsBack) {
  GraphFrameAddParameters();
  SetGraphFrameRange(-2.5, 7.25, 1e-3, 1e4);
  SetGraphLeftBottom(120, 70);
  SetGraphWidthHeight(640, 480);
  SetGraphXLabel("t_{max} [s]");
  SetGraphYLabel("e^{-x^2}");
  SetGraphTitle("Decay\tof 50%");
  s_g.labelSize = 36;
  s_g.intervalX = 0.125, s_g.intervalY = 2.5;
  s_g.digitX = 3, s_g.digitY = 0;
  s_g.scaleMarkY = 1;
  s_g.showXMaxSetting = 0;
  s_g.titleY = -30;
  s_p.xNumDx = -7, s_p.yNumDy = 11;
  std::string file = vtest::scratchDir("graph-params") + "/changed.txt";
  ASSERT_TRUE(PDSaveParametersToPath(file.c_str()));
  GraphSettings changed = s_g;

  s_g = savedG.was();
  s_g.dialog = list;
  s_g.dialogReady = 1;
  s_p = savedP.was();
  EXPECT_EQ(vtest::stdoutOf([&] { LoadFileNamePDParameters(file.c_str()); }), "");
  EXPECT_EQ(std::memcmp(&s_g, &changed, sizeof s_g), 0);
  EXPECT_TRUE(s_p.xNumDx == -7 && s_p.yNumDy == 11);
}

TEST_F(GraphParams, ProgramsAddTheirOwnEntriesSettingTheDialogUpOnce) {
  s_PD.setUpDone = 0;  // a fresh program: the graph has no dialog yet
  s_g.dialog = nullptr;
  s_g.dialogReady = 0;
  int32_t steps = 10;
  double rate = 0.5;
  in_Graph1DAddParameter(&steps, intType, "Steps");
  ASSERT_EQ(s_g.dialogReady, 1);
  ASSERT_NE(s_g.dialog, nullptr);
  in_Graph1DAddParameter(&rate, doubleType, "Rate");  // a second set-up would be fatal
  ASSERT_EQ(s_g.dialog->count, 2);
  EXPECT_STREQ(s_g.dialog->params[0].name, "Steps");
  EXPECT_TRUE(s_g.dialog->params[1].pointer == &rate && s_g.dialog->params[1].type == doubleType);
  keep().push_back(s_g.dialog);
}

TEST(GraphSetters, StringsAreCutTo255Characters) {
  plottest::Restore<GraphSettings> saved{&s_g};
  std::string longText(300, 'a');
  longText[254] = 'b';
  SetGraphXLabel(longText.c_str());
  SetGraphYLabel(longText.c_str());
  SetGraphTitle(longText.c_str());
  for (const char* s : {s_g.xLabel, s_g.yLabel, s_g.title}) EXPECT_TRUE(std::strlen(s) == 255u && s[254] == 'b') << s;
  SetGraphTitle(nullptr);
  EXPECT_STREQ(s_g.title, "");
}
