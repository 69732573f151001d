// Application events: the open-documents event as a program's handler sees
// it, descriptor lists, and the rule that a quit is never lost.
#include <unistd.h>

#include <string>

#include "platform/file/fsspec_bridge.h"
#include "tests/platform/event/event_fixture.h"

using vtest::EventTest;

namespace {
// What the handler saw: "refcon: path path | the second as FSSpec | bad index, bad type".
std::string g_seen;

std::string nth(const AEDescList* list, long i) {
  char buf[512];
  Size len = 0;
  if (AEGetNthPtr(list, i, typeChar, nullptr, nullptr, buf, sizeof buf, &len) != noErr) return "?";
  return std::string(buf, size_t(len));
}

OSErr openDocs(const AppleEvent* event, AppleEvent*, long refcon) {
  AEDescList docs;
  long count = -1;
  EXPECT_EQ(AEGetParamDesc(event, keyDirectObject, typeAEList, &docs), noErr);
  AECountItems(&docs, &count);
  g_seen = std::to_string(refcon) + ":";
  for (long i = 1; i <= count; ++i) g_seen += " " + nth(&docs, i);
  unsigned char spec[70];
  DescType type = 0;
  Size size = 0;
  char path[1024] = "";
  if (AEGetNthPtr(&docs, 2, typeFSS, nullptr, &type, spec, sizeof spec, &size) == noErr && type == typeFSS)
    VokFSSpecToPath(spec, path, sizeof path);
  OSErr badIndex = AEGetNthPtr(&docs, 3, typeChar, nullptr, nullptr, spec, sizeof spec, &size);
  OSErr badType = AEGetNthPtr(&docs, 1, FourCC('l', 'o', 'n', 'g'), nullptr, nullptr, spec, sizeof spec, &size);
  g_seen += std::string(" | ") + path + " | " + std::to_string(badIndex) + ", " + std::to_string(badType);
  AEDisposeDesc(&docs);
  return noErr;
}

std::string cwd() {
  char buf[4096];
  return getcwd(buf, sizeof buf) ? buf : "";
}
}  // namespace

using AppleEvents = EventTest;

TEST_F(AppleEvents, OpenDocumentsCarriesTheFilesAsAbsolutePaths) {
  AEInstallEventHandler(kCoreEventClass, kAEOpenDocuments, openDocs, 42, false);
  const char* docs[] = {"data/a.tsv", "/tmp/b c.tsv"};
  PostAppleEvent(kAEOpenDocuments, docs, 2);
  EventRecord ev;
  ASSERT_TRUE(WaitNextEvent(highLevelEventMask, &ev, 10, nullptr));
  EXPECT_EQ(ev.message, uintptr_t(kCoreEventClass));
  EXPECT_EQ(VokHighLevelEventID(ev), kAEOpenDocuments);
  g_seen.clear();
  EXPECT_EQ(AEProcessAppleEvent(&ev), noErr);
  // The second path also through the file layer's FSSpec.
  EXPECT_EQ(g_seen, "42: " + cwd() + "/data/a.tsv /tmp/b c.tsv | /tmp/b c.tsv | " + std::to_string(errAEIllegalIndex) +
                        ", " + std::to_string(errAECoercionFail));
  // Dispatched once: the event is gone.
  EXPECT_EQ(AEProcessAppleEvent(&ev), errAEEventNotHandled);
}

// Sizes in a damaged block must be refused, never followed past its end.
TEST_F(AppleEvents, CorruptDescriptorsAreRefused) {
  uint32_t bad[3] = {0, typeChar, 1000};
  AEDesc list;
  ASSERT_EQ(AECreateDesc(typeAEList, bad, sizeof bad, &list), noErr);
  long n;
  EXPECT_EQ(AECountItems(&list, &n), errAECorruptData);
  char buf[4];
  EXPECT_EQ(AEGetNthPtr(&list, 1, typeChar, nullptr, nullptr, buf, 4, nullptr), errAECorruptData);
  AEDisposeDesc(&list);
  AEDesc notAList;
  AECreateDesc(typeChar, "abc", 3, &notAList);
  EXPECT_EQ(AECountItems(&notAList, &n), errAEWrongDataType);
  AEDescList out;
  EXPECT_EQ(AEGetParamDesc(&notAList, keyDirectObject, typeAEList, &out), errAENotAEDesc);
  AEDisposeDesc(&notAList);
}

TEST_F(AppleEvents, AQuitIsDispatchedWhateverTheCallerDoes) {
  // A caller whose mask leaves high-level events out: dispatched at once.
  PostAppleEvent(kAEQuitApplication, nullptr, 0);
  EventRecord ev;
  GetNextEvent(mDownMask, &ev);
  EXPECT_EQ(vtest::g_quits, 1);
  // Taken with everyEvent and ignored: the next event call dispatches it.
  PostAppleEvent(kAEQuitApplication, nullptr, 0);
  ASSERT_TRUE(WaitNextEvent(everyEvent, &ev, 0, nullptr));
  EXPECT_EQ(ev.what, kHighLevelEvent);
  EXPECT_EQ(vtest::g_quits, 1);
  EventAvail(everyEvent, &ev);
  EXPECT_EQ(vtest::g_quits, 2);
  // Flushed: still dispatched.
  PostAppleEvent(kAEQuitApplication, nullptr, 0);
  FlushEvents(everyEvent, 0);
  SystemTask();
  EXPECT_EQ(vtest::g_quits, 3);
  // Taken and processed: exactly once.
  PostAppleEvent(kAEQuitApplication, nullptr, 0);
  PostAppleEvent(kAEQuitApplication, nullptr, 0);  // a second request while one waits adds nothing
  ASSERT_TRUE(WaitNextEvent(highLevelEventMask, &ev, 0, nullptr));
  EXPECT_EQ(AEProcessAppleEvent(&ev), noErr);
  SystemTask();
  EXPECT_EQ(vtest::g_quits, 4);
  EXPECT_FALSE(EventAvail(highLevelEventMask, &ev));
}
