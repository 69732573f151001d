// The open and save dialogs as the toolkit shows them, and the stream opener
// that picks one from the fopen mode. The drawing window's port is current
// while a dialog runs and the caller's port comes back afterwards, so that a
// dialog in the middle of a drawing pass changes nothing of it.
#include "vok/draw/file_dialogs.h"

#include <cerrno>
#include <cstring>

#include "vok/draw/drawing_window.h"
#include "vok/draw/file_dialogs_stream.h"

VOKFileDialog s_df = {{}, "VOK", nullptr};

namespace {
constexpr OSType kText = FourCC('T', 'E', 'X', 'T');
constexpr OSType kBinary = FourCC('B', 'I', 'N', 'A');
constexpr OSType kAnyCreator = FourCC('*', '*', '*', '*');
constexpr OSType kVokCreator = FourCC('V', 'O', 'K', ' ');
constexpr size_t kPathSize = 1024;

char g_lastPath[kPathSize];  // what DialogFPath reports

// The drawing window's port while a dialog runs; the destructor restores.
class DialogPort {
 public:
  DialogPort() {
    s_GetGWorld(&port_, &device_);
    if (s_displayWindow) s_SetGWorld(s_displayWindow, s_display);
  }
  ~DialogPort() {
    if (port_) s_SetGWorld(port_, device_);
  }
  DialogPort(const DialogPort&) = delete;
  DialogPort& operator=(const DialogPort&) = delete;

 private:
  CGrafPtr port_ = nullptr;
  GDHandle device_ = nullptr;
};

// Single selection and no type pop-up (127 off the default flags clears
// multiple selection and sets the no-pop-up bit), the client name.
void dialogOptions(NavDialogOptions* options) {
  NavGetDefaultDialogOptions(options);
  options->dialogOptionFlags -= 127;
  CopyCToPascal(s_df.clientName, options->clientName);
}

// The choice of a reply: -1 with *good cleared on cancel.
OSErr takeReply(NavReplyRecord* reply, FSSpec* spec, Boolean* good) {
  *good = reply->validRecord;
  if (!*good) return -1;
  OSErr err = AEGetNthPtr(&reply->selection, 1, typeFSS, nullptr, nullptr, spec, sizeof(FSSpec), nullptr);
  NavDisposeReply(reply);
  return err;
}

// The POSIX path of a spec into buf (kPathSize bytes); false, with errno
// set, when there is none or it is too long.
bool specPath(const FSSpec* spec, char* buf) {
  FSRef ref;
  FSpMakeFSRef(spec, &ref);  // fnfErr for a file still to be made; the ref is filled anyway
  OSStatus err = FSRefMakePath(&ref, reinterpret_cast<uint8_t*>(buf), kPathSize);
  if (err == noErr) return true;
  buf[0] = 0;
  errno = err == paramErr ? ENAMETOOLONG : ENOENT;
  return false;
}

// Which dialog and which files a mode asks for.
struct ModeChoice {
  bool open;        // the open dialog (else the save dialog)
  bool anyType;     // every file is offered
  bool committed;   // written whole through a temporary file
};
ModeChoice chooseFor(const char* mode) {
  size_t n = std::strlen(mode);
  char m1 = n > 1 ? mode[1] : 0, m2 = n > 2 ? mode[2] : 0;
  ModeChoice c;
  c.anyType = m1 == 'b' || m2 == 'b';
  c.open = mode[0] == 'r' || m1 == 'r' || m1 == '+';
  c.committed = !c.open && std::strchr(mode, '+') == nullptr;
  return c;
}
}  // namespace

OSErr VOKGetFile(OSType fileType, FSSpec* spec, Boolean* good) {
  if (!spec || !good) return paramErr;
  DialogPort port;
  NavDialogOptions options;
  dialogOptions(&options);
  // Files of the asked type and files without any type code.
  NavTypeListHandle typeList = nullptr;
  if (fileType != 0) {
    typeList = reinterpret_cast<NavTypeListHandle>(NewHandleClear(16));
    if (!typeList) return memFullErr;
    NavTypeList* list = *typeList;
    list->componentSignature = kAnyCreator;
    list->osTypeCount = 2;
    const OSType types[2] = {fileType, 0};
    std::memcpy(list->osType, types, sizeof types);
  }
  NavReplyRecord reply;
  std::memset(&reply, 0, sizeof reply);
  OSErr err = NavGetFile(s_df.defaultLocation, &reply, &options, nullptr, nullptr, nullptr, typeList, nullptr);
  if (typeList) DisposeHandle(reinterpret_cast<Handle>(typeList));
  if (err != noErr) return err;
  return takeReply(&reply, spec, good);
}

OSErr VOKChooseSaveFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good) {
  if (!spec || !good) return paramErr;
  DialogPort port;
  NavDialogOptions options;
  dialogOptions(&options);
  if (fileType == 0) fileType = kBinary;
  CopyCToPascal(defaultName ? defaultName : "", options.savedFileName);
  NavReplyRecord reply;
  std::memset(&reply, 0, sizeof reply);
  OSErr err = NavPutFile(s_df.defaultLocation, &reply, &options, nullptr, fileType, kAnyCreator, nullptr);
  if (err != noErr) return err;
  return takeReply(&reply, spec, good);
}

OSErr VOKPutFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good) {
  OSErr err = VOKChooseSaveFile(defaultName, fileType, spec, good);
  if (err != noErr) return err;
  FSpDelete(spec);
  FSpCreate(spec, kVokCreator, kText, smSystemScript);
  return noErr;
}

FILE* DialogFOpen(const char* defaultName, const char* mode) {
  g_lastPath[0] = 0;
  if (!mode || !*mode) {
    errno = EINVAL;
    return nullptr;
  }
  ModeChoice c = chooseFor(mode);
  OSType type = c.anyType ? 0 : kText;
  Boolean good = false;
  OSErr err;
  if (c.open) err = VOKGetFile(type, &s_df.spec, &good);
  else if (c.committed) err = VOKChooseSaveFile(defaultName, type, &s_df.spec, &good);
  else err = VOKPutFile(defaultName, type, &s_df.spec, &good);
  if ((err != noErr && err != fnfErr) || !good) return nullptr;
  static char path[kPathSize];  // lives for the whole process
  if (!specPath(&s_df.spec, path)) return nullptr;
  std::memcpy(g_lastPath, path, sizeof path);
  errno = 0;
  if (c.committed) return s_OpenCommittedStream(path, kText, kVokCreator);
  return std::fopen(path, mode);
}

const char* DialogFPath() { return g_lastPath; }

FSSpec* DialogFSSpec(FSSpec* spec) {
  if (!spec) return spec;
  FSSpec chosen;
  std::memset(&chosen, 0, sizeof chosen);
  Boolean good = false;
  if (VOKGetFile(0, &chosen, &good) == noErr && good) s_df.spec = chosen;
  else std::memset(&chosen, 0, sizeof chosen);
  *spec = chosen;
  return spec;
}

void SetDefaultFileLocation(const FSSpec* folderSpec) {
  if (!folderSpec) return;
  auto* desc = new AEDesc{typeNull, nullptr};
  if (AECreateDesc(typeFSS, folderSpec, sizeof(FSSpec), desc) != noErr) {
    delete desc;
    return;
  }
  // The old descriptor goes: nothing else holds it.
  if (s_df.defaultLocation) {
    AEDisposeDesc(s_df.defaultLocation);
    delete s_df.defaultLocation;
  }
  s_df.defaultLocation = desc;
}
