// Script commands that act on dialogs by their visible texts: press, check,
// field, type, cancel (choose and saveas live with the file dialogs). A text
// is looked for on the dialog in front, then on the other pages of a
// Parameters dialog, which are reached by pressing "<<" and ">>" as a
// person would; "text"[N] takes the N-th match in page order.
#include <algorithm>

#include "platform/script/script.h"
#include "platform/wm/dialog_internal.h"

namespace {
enum class Want { press, check, field };

struct Match {
  DialogData* page;
  short item;  // the item to act on (button, checkbox or field)
};

DialogData* frontDialog() {
  WindowRef w = FrontWindow();
  return w && IsWindowVisible(w) ? dlg::find(w) : nullptr;
}

bool isButton(const DialogItem& it) {
  ControlRecord* c = dlg::control(it);
  return c && c->procID == pushButProc && c->visible && !it.hidden;
}
bool isCheckbox(const DialogItem& it) {
  ControlRecord* c = dlg::control(it);
  return c && c->procID != pushButProc && c->visible && !it.hidden;
}
bool isField(const DialogItem& it) { return dlg::baseKind(it) == editText && !it.hidden; }

bool fits(const DialogItem& it, Want want) {
  switch (want) {
    case Want::press: return isButton(it) || isCheckbox(it);
    case Want::check: return isCheckbox(it);
    case Want::field: return isField(it);
  }
  return false;
}

// Items of one dialog answering to `text`: a control titled so, or the item
// right after a static text saying so (a label and its value).
void matchesOn(DialogData* d, const std::string& text, Want want, std::vector<Match>* out) {
  for (size_t i = 0; i < d->items.size(); ++i) {
    const DialogItem& it = d->items[i];
    if (it.hidden) continue;
    ControlRecord* c = dlg::control(it);
    if (c && c->title == text && fits(it, want)) {
      out->push_back({d, short(i + 1)});
    } else if (!c && dlg::baseKind(it) == statText && i + 1 < d->items.size() &&
               dlg::substituteParams(dlg::textOf(it.handle)) == text && fits(d->items[i + 1], want)) {
      out->push_back({d, short(i + 2)});
    }
  }
}

// The pages of the dialog in front: every Parameters page in creation
// order when the front one is such a page, else the front dialog alone.
std::vector<DialogData*> pagesOf(DialogData* front) {
  if (front->templateID != kVokParamsDialogID) return {front};
  std::vector<DialogData*> pages;
  for (DialogData* d : dlg::all())
    if (d->templateID == kVokParamsDialogID) pages.push_back(d);
  return pages;
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// Finds the item a line means; "" or why not.
std::string locate(const VokScriptArg& arg, Want want, Match* found) {
  DialogData* front = frontDialog();
  if (!front) return "no dialog in front";
  std::vector<DialogData*> pages = pagesOf(front);
  std::vector<Match> all, onFront;
  for (DialogData* p : pages) matchesOn(p, arg.text, want, &all);
  for (const Match& m : all)
    if (m.page == front) onFront.push_back(m);
  const char* what = want == Want::check ? "checkbox" : want == Want::field ? "field" : "button";
  if (arg.kind == VokScriptArg::kItem) {
    short n = short(std::atoi(arg.text.c_str()));
    DialogItem* it = dlg::item(front, n);
    if (!it || !fits(*it, want)) return "item #" + arg.text + " of the dialog in front is no " + what;
    *found = {front, n};
    return "";
  }
  if (arg.index > 0) {
    if (size_t(arg.index) > all.size())
      return "no " + std::string(what) + " " + quoted(arg.text) + "[" + std::to_string(arg.index) + "]: " +
             std::to_string(all.size()) + " found";
    *found = all[size_t(arg.index - 1)];
    return "";
  }
  const std::vector<Match>& pick = onFront.empty() ? all : onFront;
  if (pick.empty()) return "no " + std::string(what) + " " + quoted(arg.text) + " on the dialog in front";
  if (pick.size() > 1)
    return quoted(arg.text) + " is ambiguous: " + std::to_string(pick.size()) + " " + what + (want == Want::check ? "es" : "s") + " match; write " +
           quoted(arg.text) + "[N]";
  *found = pick[0];
  return "";
}

Point globalCentre(DialogData* d, short item) {
  Rect r = dlg::item(d, item)->box;
  Point p{short((r.top + r.bottom) / 2), short((r.left + r.right) / 2)};
  if (dlg::baseKind(*dlg::item(d, item)) == editText) p.h = short(r.right - 4);  // caret at the end
  if (ControlRecord* c = dlg::control(*dlg::item(d, item)); c && c->procID != pushButProc)
    p.h = short(r.left + 7);  // the box of a checkbox
  GrafPtr saved;
  GetPort(&saved);
  SetPort(GetWindowPort(d->window));
  LocalToGlobal(&p);
  SetPort(saved);
  return p;
}

// Presses "<<" or ">>" until the page of `m` would be in front; the page
// buttons stand at the same place on every page.
std::string turnTo(const Match& m) {
  DialogData* front = frontDialog();
  std::vector<DialogData*> pages = pagesOf(front);
  auto at = [&](DialogData* d) { return int(std::find(pages.begin(), pages.end(), d) - pages.begin()); };
  int from = at(front), to = at(m.page);
  for (int k = from; k != to; k += (to > from ? 1 : -1)) {
    short button = to > from ? kVokParamsNextItem : kVokParamsPrevItem;
    DialogItem* it = dlg::item(pages[size_t(k)], button);
    if (!it || !isButton(*it)) return "cannot turn to the page holding the item: no page button";
    VokScriptClick(globalCentre(pages[size_t(k)], button), 0);
  }
  return "";
}

std::string pressCommand(const VokScriptLine& line) {
  if (line.args.size() != 1) return "press needs one item: press \"title\" or press #N";
  Match m{};
  std::string why = locate(line.args[0], Want::press, &m);
  if (why.empty()) why = turnTo(m);
  if (why.empty()) VokScriptClick(globalCentre(m.page, m.item), 0);
  return why;
}

std::string checkCommand(const VokScriptLine& line) {
  if (line.args.size() != 2 || (line.args[1].text != "on" && line.args[1].text != "off"))
    return "check needs a checkbox and on or off: check \"label\" on";
  Match m{};
  std::string why = locate(line.args[0], Want::check, &m);
  if (!why.empty()) return why;
  bool want = line.args[1].text == "on";
  ControlRecord* c = dlg::control(*dlg::item(m.page, m.item));
  if ((c->value != 0) == want) return "";  // already so: nothing to do
  why = turnTo(m);
  if (why.empty()) VokScriptClick(globalCentre(m.page, m.item), 0);
  return why;
}

void typeText(const std::string& s) {
  for (unsigned char ch : s) VokScriptKey(ch, 0, 0);
}

std::string fieldCommand(const VokScriptLine& line) {
  if (line.args.size() != 2) return "field needs a label and a value: field \"label\" 12.5";
  Match m{};
  std::string why = locate(line.args[0], Want::field, &m);
  if (!why.empty()) return why;
  if (line.args[1].text.size() > 255) return "a field holds at most 255 characters";
  why = turnTo(m);
  if (!why.empty()) return why;
  VokScriptClick(globalCentre(m.page, m.item), 0);
  VokScriptKey('a', 0, cmdKey);  // select all, then type over it
  if (line.args[1].text.empty()) VokScriptKey(kBackspaceCharCode, 0, 0);
  typeText(line.args[1].text);
  return "";
}

std::string typeCommand(const VokScriptLine& line) {
  if (line.args.size() != 1) return "type needs one text: type \"12.5\"";
  typeText(line.args[0].text);
  VokScriptKey(kReturnCharCode, 0, 0);
  return "";
}

std::string cancelCommand(const VokScriptLine& line) {
  if (!line.args.empty()) return "cancel takes nothing";
  DialogData* d = frontDialog();
  if (!d) return "no dialog or alert in front to cancel";
  DialogItem* it = dlg::item(d, d->cancelItem);
  if (!it) return "the dialog in front has no cancel button";
  VokScriptKey(kEscapeCharCode, 0, 0);
  return "";
}
}  // namespace

bool VokRegisterDialogScriptCommands() {
  VokRegisterScriptCommand("press", pressCommand);
  VokRegisterScriptCommand("check", checkCommand);
  VokRegisterScriptCommand("field", fieldCommand);
  VokRegisterScriptCommand("type", typeCommand);
  VokRegisterScriptCommand("cancel", cancelCommand);
  return true;
}
