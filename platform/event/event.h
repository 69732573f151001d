// The event queue, ticks, mouse and modifiers, and the four application
// events (launch, open documents, print documents, quit). Displays post
// input through PostInputEvent; programs read with WaitNextEvent & co.
#pragma once
#include "platform/gfx/gfx.h"

typedef uint16_t EventKind;
typedef uint16_t EventMask;
typedef uint16_t EventModifiers;

enum : EventKind {
  nullEvent = 0,
  mouseDown = 1,
  mouseUp = 2,
  keyDown = 3,
  keyUp = 4,
  autoKey = 5,
  updateEvt = 6,
  diskEvt = 7,
  activateEvt = 8,
  osEvt = 15,
  kHighLevelEvent = 23,
};

enum : EventMask {
  mDownMask = 1 << mouseDown,
  mUpMask = 1 << mouseUp,
  keyDownMask = 1 << keyDown,
  keyUpMask = 1 << keyUp,
  autoKeyMask = 1 << autoKey,
  updateMask = 1 << updateEvt,
  activMask = 1 << activateEvt,
  highLevelEventMask = 0x0400,
  osMask = 0x8000,
  everyEvent = 0xFFFF,
};

enum : EventModifiers {
  activeFlag = 0x0001,
  btnState = 0x0080,
  cmdKey = 0x0100,
  shiftKey = 0x0200,
  alphaLock = 0x0400,
  optionKey = 0x0800,
  controlKey = 0x1000,
};

// Character codes of special keys (low byte of message).
enum : uint8_t {
  kEnterCharCode = 3,
  kBackspaceCharCode = 8,
  kTabCharCode = 9,
  kReturnCharCode = 13,
  kEscapeCharCode = 27,
  kLeftArrowCharCode = 28,
  kRightArrowCharCode = 29,
  kUpArrowCharCode = 30,
  kDownArrowCharCode = 31,
  kDeleteCharCode = 127,
};
enum : uint32_t { charCodeMask = 0x000000FF, keyCodeMask = 0x0000FF00 };

struct EventRecord {
  EventKind what;
  uintptr_t message;  // key: char code | key code << 8; update/activate: WindowRef; high-level: event class
  uint32_t when;      // ticks
  Point where;        // global; high-level: v = high word, h = low word of the event ID
  EventModifiers modifiers;  // btnState is set while the button is up, activeFlag on activation
};
// The event ID of a high-level event record.
inline uint32_t VokHighLevelEventID(const EventRecord& ev) {
  return (uint32_t(uint16_t(ev.where.v)) << 16) | uint16_t(ev.where.h);
}

// Ticks are 1/60 s from a monotonic clock, counted from the first call
// (which returns 1, so a stored tick of 0 always lies in the past).
uint32_t TickCount();
// True for the first call after each tick begins (and the first call ever):
// a helper thread raises a flag as each tick begins, so that a caller asking
// once per drawn line reads no clock. The thread sleeps while nobody asks.
bool VokNewTick();
// Waits up to `sleep` ticks for an event in `mask`, taking it from the queue.
// Always fills where/modifiers/when with the current state; returns false
// (what = nullEvent) when none came. The display is pumped and the screen
// presented (at most once per tick) while waiting. With a mask holding mouse
// or key events and nothing matching queued, a headless run plays its script.
Boolean WaitNextEvent(EventMask mask, EventRecord* ev, uint32_t sleep, RgnHandle mouseRgn);
// WaitNextEvent without sleeping.
Boolean GetNextEvent(EventMask mask, EventRecord* ev);
// Like GetNextEvent but leaves the event in the queue; never plays a script.
Boolean EventAvail(EventMask mask, EventRecord* ev);
// Removes the events in whichMask, up to the first event in stopMask.
void FlushEvents(EventMask whichMask, EventMask stopMask);
Boolean Button();
// True while the button is down and its release is not yet queued.
Boolean StillDown();
void GetMouse(Point* where);  // local to the current port
EventModifiers GetCurrentKeyModifiers();
void SystemTask();  // pumps the display and presents the screen

// Entry point for displays and the window layer: appends to the queue and
// updates the mouse/modifier state that GetMouse & co. report. The queue holds
// at most 256 events; beyond that the oldest input event is dropped (pending
// high-level events are never dropped for input).
void PostInputEvent(const EventRecord& ev);
void SetMouseState(Point globalWhere, bool buttonDown, EventModifiers modifiers);
// Counts every event ever posted (lets a caller see whether something arrived).
uint32_t VokPostedEventCount();

// ---- application (high-level) events ---------------------------------------
typedef uint32_t AEEventClass;
typedef uint32_t AEEventID;
typedef uint32_t AEKeyword;
typedef uint32_t DescType;

enum : uint32_t {
  kCoreEventClass = FourCC('a', 'e', 'v', 't'),
  kAEOpenApplication = FourCC('o', 'a', 'p', 'p'),
  kAEOpenDocuments = FourCC('o', 'd', 'o', 'c'),
  kAEPrintDocuments = FourCC('p', 'd', 'o', 'c'),
  kAEQuitApplication = FourCC('q', 'u', 'i', 't'),
  keyDirectObject = FourCC('-', '-', '-', '-'),
  typeAEList = FourCC('l', 'i', 's', 't'),
  typeAppleEvent = FourCC('a', 'e', 'v', 't'),
  typeFSS = FourCC('f', 's', 's', ' '),
  typeFSRef = FourCC('f', 's', 'r', 'f'),
  typeChar = FourCC('T', 'E', 'X', 'T'),
  typeWildCard = FourCC('*', '*', '*', '*'),
  typeNull = FourCC('n', 'u', 'l', 'l'),
  // A document as a POSIX path (bytes, no terminating zero); coerces to
  // typeFSS (through platform/file/fsspec_bridge.h) and to typeChar.
  typeVokPath = FourCC('p', 'a', 't', 'h'),
};
enum : OSErr {
  errAECoercionFail = -1700,
  errAEDescNotFound = -1701,
  errAECorruptData = -1702,
  errAEWrongDataType = -1703,
  errAENotAEDesc = -1704,
  errAEEventNotHandled = -1708,
  errAEIllegalIndex = -1719,
  errAENoSuchObject = -1728,
};

// A descriptor: a type and an owned data block. A list's block holds its
// items, an Apple event's block its class, ID and parameters; every block is
// a flat copy, so descriptors can be duplicated and disposed independently.
struct AEDesc {
  DescType descriptorType;
  Handle dataHandle;
};
typedef AEDesc AEDescList;
typedef AEDesc AppleEvent;
typedef OSErr (*AEEventHandlerProcPtr)(const AppleEvent* event, AppleEvent* reply, long refcon);
typedef AEEventHandlerProcPtr AEEventHandlerUPP;
#define NewAEEventHandlerUPP(p) (p)

// Installs (or replaces) the handler of one class/ID; typeWildCard matches any.
OSErr AEInstallEventHandler(AEEventClass cls, AEEventID id, AEEventHandlerUPP handler, long refcon, Boolean isSysHandler);
// Dispatches the high-level event just taken by WaitNextEvent to its handler.
// A quit event with no handler ends the program (ExitToShell).
OSErr AEProcessAppleEvent(const EventRecord* ev);
OSErr AEGetParamDesc(const AppleEvent* event, AEKeyword key, DescType desiredType, AEDescList* result);
OSErr AECountItems(const AEDescList* list, long* count);
// Copies item `index` (1-based) into buffer (at most maximumSize bytes;
// actualSize gets the full size); coerces to typeFSS (an FSSpec) when asked.
OSErr AEGetNthPtr(const AEDescList* list, long index, DescType desiredType, AEKeyword* keyword, DescType* actualType,
                  void* dataPtr, Size maximumSize, Size* actualSize);
OSErr AEDuplicateDesc(const AEDesc* src, AEDesc* dst);
OSErr AECreateDesc(DescType type, const void* data, Size size, AEDesc* result);
OSErr AEDisposeDesc(AEDesc* desc);
// An empty list (factoring and records are not supported: pass null, 0, false).
OSErr AECreateList(const void* factoringPtr, Size factoredSize, Boolean isRecord, AEDescList* resultList);
// Puts an item into a list: index 0 or count+1 appends, 1..count replaces.
OSErr AEPutPtr(AEDescList* list, long index, DescType type, const void* data, Size size);

// Posts a high-level event of class 'aevt'. Documents (open/print documents)
// are POSIX paths, made absolute against the current folder.
void PostAppleEvent(AEEventID id, const char* const* paths, int count);

// ---- display and end --------------------------------------------------------
// Every event call first gives the display a turn (pump its input, present
// the screen); the display installs this when it is linked in.
void VokSetDisplayService(void (*service)(bool waitingForInput));

// Ends the process with status 0 (runs exit handlers, closes the display).
[[noreturn]] void ExitToShell();
// Ends the process with `status` after printing `message` (if any) to
// standard error; used for failures of the desktop itself (a bad script).
[[noreturn]] void VokExitWithError(int status, const char* message);
