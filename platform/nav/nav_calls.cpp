// The navigation-service calls over our file dialogs, and the script
// commands that answer them: choose "path" (open), saveas "path" (save).
#include <cstring>
#include <vector>

#include "platform/nav/nav_internal.h"
#include "platform/script/script.h"

namespace {
std::string pascal(const unsigned char* p) { return p ? std::string(reinterpret_cast<const char*>(p + 1), p[0]) : ""; }

void fillReply(NavReplyRecord* reply, OSErr result, const FSSpec& spec) {
  std::memset(reply, 0, sizeof *reply);
  reply->validRecord = result == noErr;
  if (!reply->validRecord) return;
  reply->vokSpec = spec;
  AECreateList(nullptr, 0, false, &reply->selection);
  AEPutPtr(&reply->selection, 1, typeFSS, &spec, sizeof spec);
}

std::string folderOf(AEDesc* location, FSSpec* spec) {
  if (!location || location->descriptorType != typeFSS || !location->dataHandle ||
      GetHandleSize(location->dataHandle) < Size(sizeof(FSSpec)))
    return "";
  std::memcpy(spec, *location->dataHandle, sizeof *spec);
  return "ok";
}

std::string answer(const VokScriptLine& line, bool save) {
  if (line.args.size() != 1) return save ? "saveas needs one path: saveas \"out/graph.eps\"" : "choose needs one path: choose \"data.tsv\"";
  std::string why;
  if (!VokAnswerFileDialog(line.args[0].text.c_str(), save, &why)) return why;
  VokScriptKey(kReturnCharCode, 0, 0);  // the default button takes the answer
  return "";
}
std::string chooseCommand(const VokScriptLine& line) { return answer(line, false); }
std::string saveasCommand(const VokScriptLine& line) { return answer(line, true); }
}  // namespace

bool VokRegisterFileScriptCommands() {
  VokRegisterScriptCommand("choose", chooseCommand);
  VokRegisterScriptCommand("saveas", saveasCommand);
  return true;
}

OSErr NavGetDefaultDialogOptions(NavDialogOptions* options) {
  if (!options) return paramErr;
  std::memset(options, 0, sizeof *options);
  options->dialogOptionFlags = kNavDefaultNavDlogOptions;
  options->location = Point{-1, -1};
  return noErr;
}

namespace {
// What both dialogs take from the caller: title, prompt and the folder to
// start in. The record keeps the strings the options point into.
struct CallerOptions {
  std::string title, prompt;
  FSSpec folder;

  void applyTo(const NavDialogOptions* options, AEDesc* defaultLocation, VokFileDialogOptions* o) {
    title = options ? pascal(options->windowTitle) : "";
    prompt = options ? pascal(options->message) : "";
    if (!title.empty()) o->title = title.c_str();
    if (!prompt.empty()) o->prompt = prompt.c_str();
    if (!folderOf(defaultLocation, &folder).empty()) o->startFolder = &folder;
  }
};

// Runs a dialog and fills the reply; a cancel is no error, only an invalid reply.
OSErr runDialog(OSErr (*run)(const VokFileDialogOptions&, FSSpec*), const VokFileDialogOptions& o,
                NavReplyRecord* reply) {
  FSSpec chosen;
  std::memset(&chosen, 0, sizeof chosen);
  OSErr err = run(o, &chosen);
  fillReply(reply, err, chosen);
  return err == userCanceledErr ? OSErr(noErr) : err;
}
}  // namespace

OSErr NavGetFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* options, NavEventUPP,
                 NavPreviewUPP, NavObjectFilterUPP, NavTypeListHandle typeList, void*) {
  if (!reply) return paramErr;
  std::vector<OSType> types;
  if (typeList && *typeList)
    for (short i = 0; i < (*typeList)->osTypeCount; ++i) types.push_back((*typeList)->osType[i]);
  VokFileDialogOptions o;
  o.types = types.data();
  o.typeCount = int(types.size());
  CallerOptions caller;
  caller.applyTo(options, defaultLocation, &o);
  return runDialog(VokRunOpenDialog, o, reply);
}

OSErr NavPutFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* options, NavEventUPP, OSType,
                 OSType, void*) {
  if (!reply) return paramErr;
  VokFileDialogOptions o;
  std::string name = options ? pascal(options->savedFileName) : "";
  o.defaultName = name.c_str();
  CallerOptions caller;
  caller.applyTo(options, defaultLocation, &o);
  return runDialog(VokRunSaveDialog, o, reply);
}

OSErr NavDisposeReply(NavReplyRecord* reply) {
  if (!reply) return paramErr;
  AEDisposeDesc(&reply->selection);
  reply->validRecord = false;
  return noErr;
}

bool VokNavReplySpec(const NavReplyRecord* reply, FSSpec* spec) {
  if (!reply || !reply->validRecord || !spec) return false;
  *spec = reply->vokSpec;
  return true;
}
