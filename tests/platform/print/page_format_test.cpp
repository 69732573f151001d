// Page formats and their flattened form: what a page-setting file may hold
// and what must be refused (each refusal once let a strange page through).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "platform/print/print.h"

namespace {
Handle handleOf(const std::string& s) {
  Handle h = nullptr;
  PtrToHand(s.data(), &h, long(s.size()));
  return h;
}

std::string textOf(Handle h) { return std::string(*h, size_t(GetHandleSize(h))); }

struct Session {
  Session() { PMCreateSession(&s); }
  ~Session() { PMRelease(s); }
  PMPrintSession s = nullptr;
};

std::string describe(PMPageFormat f) {
  std::string paper;
  PMOrientation o;
  double scale;
  PMRect r;
  PMGetPaperName(f, &paper);
  PMGetOrientation(f, &o);
  PMGetScale(f, &scale);
  PMGetAdjustedPageRect(f, &r);
  return paper + (o == kPMLandscape ? " landscape " : " portrait ") + std::to_string(int(scale)) + " " +
         std::to_string(int(r.right)) + "x" + std::to_string(int(r.bottom));
}

// The default paper follows PAPERSIZE: every test starts from A4 and leaves
// the variable as it found it.
class PageFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("PAPERSIZE");
    hadPaper_ = old != nullptr;
    if (old) oldPaper_ = old;
    setenv("PAPERSIZE", "a4", 1);
  }
  void TearDown() override {
    if (hadPaper_) setenv("PAPERSIZE", oldPaper_.c_str(), 1);
    else unsetenv("PAPERSIZE");
  }

 private:
  bool hadPaper_ = false;
  std::string oldPaper_;
};
}  // namespace

TEST_F(PageFormat, DefaultsComeFromThePaperSettingAndPagesFollowOrientationAndScale) {
  Session session;
  PMPageFormat f = nullptr;
  ASSERT_EQ(PMCreatePageFormat(&f), kPMNoError);
  ASSERT_EQ(PMSessionDefaultPageFormat(session.s, f), kPMNoError);
  EXPECT_EQ(describe(f), "A4 portrait 100 595x842");
  PMSetOrientation(f, kPMLandscape, false);
  EXPECT_EQ(describe(f), "A4 landscape 100 842x595");
  PMSetScale(f, 50);  // half size on paper: twice the points fit
  EXPECT_EQ(describe(f), "A4 landscape 50 1684x1190");
  EXPECT_EQ(PMSetScale(f, 5), kPMInvalidParameter);
  EXPECT_EQ(PMSetPaperName(f, "A3"), kPMInvalidParameter);
  setenv("PAPERSIZE", "letter", 1);
  PMSessionDefaultPageFormat(session.s, f);
  EXPECT_EQ(describe(f), "US Letter portrait 100 612x792");
  PMRelease(f);
  // Objects of the wrong kind are refused, not misread; pages need a document.
  PMOrientation o;
  EXPECT_EQ(PMGetOrientation(reinterpret_cast<PMPageFormat>(session.s), &o), kPMInvalidParameter);
  EXPECT_EQ(PMSessionEndPage(session.s), kPMNoPage);
  EXPECT_EQ(PMSessionEndDocument(session.s), kPMOutOfScope);
}

TEST_F(PageFormat, FlattenedFormatsComeBackAsTheyWere) {
  Session session;
  for (const std::string& paper : VokPaperNames())
    for (PMOrientation o : {kPMPortrait, kPMLandscape})
      for (double scale : {10.0, 75.0, 400.0}) {
        PMPageFormat f = nullptr, back = nullptr;
        PMCreatePageFormat(&f);
        PMSetPaperName(f, paper);
        PMSetOrientation(f, o, false);
        PMSetScale(f, scale);
        Handle flat = nullptr;
        ASSERT_EQ(PMFlattenPageFormat(f, &flat), kPMNoError);
        ASSERT_EQ(PMUnflattenPageFormat(flat, &back), kPMNoError) << textOf(flat);
        Boolean changed = true;
        EXPECT_EQ(PMSessionValidatePageFormat(session.s, back, &changed), kPMNoError);
        EXPECT_FALSE(changed);
        EXPECT_EQ(describe(back), describe(f));
        DisposeHandle(flat);
        PMRelease(f);
        PMRelease(back);
      }
}

TEST_F(PageFormat, UnflatteningRefusesEmptyCutCorruptAndForeignData) {
  PMPageFormat f = nullptr;
  PMCreatePageFormat(&f);
  PMSetPaperName(f, "A4");
  PMSetOrientation(f, kPMLandscape, false);
  Handle flat = nullptr;
  PMFlattenPageFormat(f, &flat);
  const std::string good = textOf(flat);
  DisposeHandle(flat);
  PMRelease(f);

  auto refused = [](const std::string& data) {
    Handle h = handleOf(data);
    PMPageFormat out = reinterpret_cast<PMPageFormat>(1);
    OSStatus st = PMUnflattenPageFormat(h, &out);
    DisposeHandle(h);
    bool ok = st == kPMInvalidFlatData && out == nullptr;
    if (!ok && st == kPMNoError) PMRelease(out);
    return ok;
  };
  PMPageFormat out = nullptr;
  EXPECT_EQ(PMUnflattenPageFormat(nullptr, &out), kPMInvalidFlatData);
  EXPECT_TRUE(refused(""));
  // Every cut up to "scale 1" is refused ("scale 10" is a scale); the
  // file without its last LF is not cut.
  for (size_t n = 1; n <= good.rfind("scale ") + 7; ++n) EXPECT_TRUE(refused(good.substr(0, n))) << n;
  Handle noLF = handleOf(good.substr(0, good.size() - 1));
  ASSERT_EQ(PMUnflattenPageFormat(noLF, &out), kPMNoError);
  PMRelease(out);
  DisposeHandle(noLF);

  // Each change of one field of a good file: a value out of range or of the
  // wrong form, a size not of the paper, another paper, another version.
  const std::pair<const char*, const char*> changes[] = {
      {"landscape", "sideways"}, {"scale 100", "scale 9"}, {"scale 100", "scale 100%"},
      {"size 595 842", "size 612 792"}, {"paper A4", "paper A3"}, {"vok page format 1", "vok page format 2"}};
  for (const auto& [from, to] : changes) {
    size_t at = good.find(from);
    ASSERT_NE(at, std::string::npos) << from << " not in " << good;
    EXPECT_TRUE(refused(std::string(good).replace(at, std::strlen(from), to))) << to;
  }
  EXPECT_TRUE(refused(good + "extra 1\n"));
  EXPECT_TRUE(refused(std::string("\0", 1) + good));
  EXPECT_TRUE(refused("<?xml version=\"1.0\"?><dict><key>paper</key></dict>\n"));
  EXPECT_TRUE(refused(std::string(4096, 'x')));
}
