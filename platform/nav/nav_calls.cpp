// The navigation-service calls over our file dialogs, and the script
// commands that answer them: choose "path" (open), saveas "path" (save).
#include <cstring>
#include <vector>

#include "platform/script/script.h"
#include "platform/nav/nav_internal.h"

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

OSErr NavGetFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* options, NavEventUPP,
                 NavPreviewUPP, NavObjectFilterUPP, NavTypeListHandle typeList, void*) {
  if (!reply) return paramErr;
  std::vector<OSType> types;
  if (typeList && *typeList)
    for (short i = 0; i < (*typeList)->osTypeCount; ++i) types.push_back((*typeList)->osType[i]);
  VokFileDialogOptions o;
  o.types = types.data();
  o.typeCount = int(types.size());
  std::string title = options ? pascal(options->windowTitle) : "";
  std::string prompt = options ? pascal(options->message) : "";
  if (!title.empty()) o.title = title.c_str();
  if (!prompt.empty()) o.prompt = prompt.c_str();
  FSSpec folder;
  if (!folderOf(defaultLocation, &folder).empty()) o.startFolder = &folder;
  FSSpec chosen;
  std::memset(&chosen, 0, sizeof chosen);
  OSErr err = VokRunOpenDialog(o, &chosen);
  fillReply(reply, err, chosen);
  return err == userCanceledErr ? OSErr(noErr) : err;
}

OSErr NavPutFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* options, NavEventUPP, OSType,
                 OSType, void*) {
  if (!reply) return paramErr;
  VokFileDialogOptions o;
  std::string name = options ? pascal(options->savedFileName) : "";
  std::string title = options ? pascal(options->windowTitle) : "";
  std::string prompt = options ? pascal(options->message) : "";
  o.defaultName = name.c_str();
  if (!title.empty()) o.title = title.c_str();
  if (!prompt.empty()) o.prompt = prompt.c_str();
  FSSpec folder;
  if (!folderOf(defaultLocation, &folder).empty()) o.startFolder = &folder;
  FSSpec chosen;
  std::memset(&chosen, 0, sizeof chosen);
  OSErr err = VokRunSaveDialog(o, &chosen);
  fillReply(reply, err, chosen);
  return err == userCanceledErr ? OSErr(noErr) : err;
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
