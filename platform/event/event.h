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
  uint32_t message;  // key: char code | key code << 8; update/activate: WindowRef; high-level: event class
  uint32_t when;     // ticks
  Point where;       // global; high-level: low/high word of the event ID
  EventModifiers modifiers;
};

// Ticks are 1/60 s from a monotonic clock, counted from the first call.
uint32_t TickCount();
// Waits up to `sleep` ticks for an event in `mask`, taking it from the queue.
// Always fills where/modifiers/when with the current state; returns false
// (what = nullEvent) when none came. The display is pumped while waiting.
Boolean WaitNextEvent(EventMask mask, EventRecord* ev, uint32_t sleep, RgnHandle mouseRgn);
Boolean GetNextEvent(EventMask mask, EventRecord* ev);
// Like GetNextEvent but leaves the event in the queue.
Boolean EventAvail(EventMask mask, EventRecord* ev);
void FlushEvents(EventMask whichMask, EventMask stopMask);
Boolean Button();
Boolean StillDown();
void GetMouse(Point* where);  // local to the current port
EventModifiers GetCurrentKeyModifiers();
void SystemTask();

// Entry point for displays and the window layer: appends to the queue (the
// queue holds at most 256 events; the oldest input is dropped beyond that)
// and updates the mouse/modifier state that GetMouse & co. report.
void PostInputEvent(const EventRecord& ev);
void SetMouseState(Point globalWhere, bool buttonDown, EventModifiers modifiers);

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
  typeFSS = FourCC('f', 's', 's', ' '),
  typeFSRef = FourCC('f', 's', 'r', 'f'),
  typeWildCard = FourCC('*', '*', '*', '*'),
  typeNull = FourCC('n', 'u', 'l', 'l'),
};
enum : OSErr { errAEDescNotFound = -1701, errAEEventNotHandled = -1708, errAENoSuchObject = -1728 };

// A descriptor: a type and an owned data block (a list holds its items).
struct AEDesc {
  DescType descriptorType;
  Handle dataHandle;
};
typedef AEDesc AEDescList;
typedef AEDesc AppleEvent;
typedef OSErr (*AEEventHandlerProcPtr)(const AppleEvent* event, AppleEvent* reply, long refcon);
typedef AEEventHandlerProcPtr AEEventHandlerUPP;
#define NewAEEventHandlerUPP(p) (p)

OSErr AEInstallEventHandler(AEEventClass cls, AEEventID id, AEEventHandlerUPP handler, long refcon, Boolean isSysHandler);
// Dispatches the high-level event just taken by WaitNextEvent to its handler.
OSErr AEProcessAppleEvent(const EventRecord* ev);
OSErr AEGetParamDesc(const AppleEvent* event, AEKeyword key, DescType desiredType, AEDescList* result);
OSErr AECountItems(const AEDescList* list, long* count);
// Copies item `index` (1-based) into buffer; coerces to typeFSS (an FSSpec) when asked.
OSErr AEGetNthPtr(const AEDescList* list, long index, DescType desiredType, AEKeyword* keyword, DescType* actualType,
                  void* dataPtr, Size maximumSize, Size* actualSize);
OSErr AEDuplicateDesc(const AEDesc* src, AEDesc* dst);
OSErr AECreateDesc(DescType type, const void* data, Size size, AEDesc* result);
OSErr AEDisposeDesc(AEDesc* desc);

// Posts a high-level event. Documents are POSIX paths (open/print documents).
void PostAppleEvent(AEEventID id, const char* const* paths, int count);

// Ends the process (runs exit handlers, closes the display).
[[noreturn]] void ExitToShell();
