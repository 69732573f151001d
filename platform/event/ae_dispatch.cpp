// Application events: the handler table, the descriptors behind queued
// high-level events, dispatch, and the rule that a quit always ends up
// dispatched: one that a caller takes and ignores (or flushes) is dispatched
// by the next event call, so closing the window or SIGTERM is never lost.
#include <filesystem>
#include <map>
#include <string>

#include "platform/event/ae_internal.h"
#include "platform/event/event_internal.h"

namespace {
struct HandlerEntry {
  AEEventClass cls;
  AEEventID id;
  AEEventHandlerUPP proc;
  long refcon;
};

std::vector<HandlerEntry>& handlers() {
  static std::vector<HandlerEntry> h;
  return h;
}
// Descriptors of the high-level events still in the queue, by serial.
std::map<uint32_t, AppleEvent>& queued() {
  static std::map<uint32_t, AppleEvent> m;
  return m;
}
uint32_t g_nextSerial = 1;
AppleEvent g_current = {typeNull, nullptr};  // the last one taken
bool g_quitPending = false;                  // g_current is a quit not yet dispatched

const HandlerEntry* findHandler(AEEventClass cls, AEEventID id) {
  const HandlerEntry* best = nullptr;
  int bestScore = -1;
  for (const auto& h : handlers()) {
    if ((h.cls != cls && h.cls != typeWildCard) || (h.id != id && h.id != typeWildCard)) continue;
    int score = (h.cls == cls) * 2 + (h.id == id);
    if (score > bestScore) best = &h, bestScore = score;
  }
  return best;
}

OSErr dispatch(AppleEvent* ae) {
  AEEventClass cls;
  AEEventID id;
  if (!VokAppleEventClassID(ae, &cls, &id)) return errAENotAEDesc;
  bool quit = cls == kCoreEventClass && id == kAEQuitApplication;
  if (quit) g_quitPending = false;
  const HandlerEntry* h = findHandler(cls, id);
  if (!h || !h->proc) {
    if (quit) ExitToShell();  // nobody asked to handle quit: the default is to end
    return errAEEventNotHandled;
  }
  AppleEvent reply = {typeNull, nullptr};
  OSErr err = h->proc(ae, &reply, h->refcon);
  AEDisposeDesc(&reply);
  return err;
}

void makeCurrent(AppleEvent ae) {
  AEDisposeDesc(&g_current);
  g_current = ae;
}

std::string absolutePath(const char* path) {
  std::error_code ec;
  auto abs = std::filesystem::absolute(path, ec);
  return ec ? std::string(path) : abs.string();
}
}  // namespace

OSErr AEInstallEventHandler(AEEventClass cls, AEEventID id, AEEventHandlerUPP handler, long refcon, Boolean) {
  for (auto& h : handlers()) {
    if (h.cls == cls && h.id == id) {
      h.proc = handler;
      h.refcon = refcon;
      return noErr;
    }
  }
  handlers().push_back({cls, id, handler, refcon});
  return noErr;
}

OSErr AEProcessAppleEvent(const EventRecord* ev) {
  if (!ev || ev->what != kHighLevelEvent) return errAEEventNotHandled;
  AEEventClass cls;
  AEEventID id;
  if (!VokAppleEventClassID(&g_current, &cls, &id) || cls != ev->message || id != VokHighLevelEventID(*ev))
    return errAEEventNotHandled;
  AppleEvent ae = g_current;  // the handler may take further events meanwhile
  g_current = {typeNull, nullptr};
  OSErr err = dispatch(&ae);
  AEDisposeDesc(&ae);
  return err;
}

bool VokIsQuitEvent(const VokQueuedEvent& qe) {
  return qe.ev.what == kHighLevelEvent && qe.ev.message == kCoreEventClass &&
         VokHighLevelEventID(qe.ev) == kAEQuitApplication;
}

void VokAppleEventTaken(const VokQueuedEvent& qe) {
  auto it = queued().find(qe.aeSerial);
  if (it == queued().end()) return;
  makeCurrent(it->second);
  queued().erase(it);
  if (VokIsQuitEvent(qe)) g_quitPending = true;
}

void VokAppleEventDropped(const VokQueuedEvent& qe) {
  if (VokIsQuitEvent(qe)) {
    VokAppleEventTaken(qe);
    return;
  }
  auto it = queued().find(qe.aeSerial);
  if (it == queued().end()) return;
  AEDisposeDesc(&it->second);
  queued().erase(it);
}

void VokDispatchPendingQuit() {
  if (!g_quitPending) return;
  AppleEvent ae = g_current;
  g_current = {typeNull, nullptr};
  dispatch(&ae);
  AEDisposeDesc(&ae);
}

void VokDispatchQueuedQuit() {
  VokQueuedEvent qe;
  if (!VokPeepEvent(VokQueueOp::get, highLevelEventMask, 0, &qe, VokIsQuitEvent)) return;
  VokAppleEventTaken(qe);
  VokDispatchPendingQuit();
}

void PostAppleEvent(AEEventID id, const char* const* paths, int count) {
  if (id == kAEQuitApplication &&
      (g_quitPending || VokPeepEvent(VokQueueOp::peek, highLevelEventMask, 0, nullptr, VokIsQuitEvent)))
    return;  // one quit at a time is enough
  std::vector<VokAEItem> params;
  if (id == kAEOpenDocuments || id == kAEPrintDocuments || count > 0) {
    std::vector<VokAEItem> docs;
    for (int i = 0; i < count; ++i) {
      if (!paths || !paths[i]) continue;
      std::string p = absolutePath(paths[i]);
      docs.push_back({0, typeVokPath, std::vector<char>(p.begin(), p.end())});
    }
    AEDescList list;
    if (VokBuildDesc(typeAEList, nullptr, 0, docs, &list) != noErr) return;
    size_t n = list.dataHandle ? size_t(GetHandleSize(list.dataHandle)) : 0;
    params.push_back({keyDirectObject, typeAEList, std::vector<char>(n ? *list.dataHandle : nullptr,
                                                                     n ? *list.dataHandle + n : nullptr)});
    AEDisposeDesc(&list);
  }
  AppleEvent ae;
  if (VokCreateAppleEvent(kCoreEventClass, id, params, &ae) != noErr) return;
  uint32_t serial = g_nextSerial++;
  queued()[serial] = ae;
  VokQueuedEvent qe;
  qe.ev.what = kHighLevelEvent;
  qe.ev.message = kCoreEventClass;
  qe.ev.when = 0;
  qe.ev.where.v = int16_t(uint16_t(id >> 16));
  qe.ev.where.h = int16_t(uint16_t(id & 0xFFFF));
  qe.ev.modifiers = 0;
  qe.aeSerial = serial;
  if (!VokPostQueued(qe)) {
    AEDisposeDesc(&queued()[serial]);
    queued().erase(serial);
  }
}
