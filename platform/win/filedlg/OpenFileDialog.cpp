#include "platform/win/filedlg/OpenFileDialog.h"

#include <cstring>

#include "platform/win/Resources.h"
#include "platform/win/filedlg/FileDialogControls.h"

namespace win {

namespace {

using namespace filedlg;

constexpr UINT kTemplateId = 0x7E10;

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// The name box comes first so that it is the first tab stop: the focus starts there.
const DialogTemplate& Template() {
  static const DialogTemplate tmpl{
      false,
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
      0,
      0, 0, 280, 180,
      "Open",
      "Microsoft Sans Serif",
      9, FW_NORMAL, 0, DEFAULT_CHARSET,
      {
          {"static", "File name:", 0, kFileNameLabel, kLabel, 0, 7, 142, 50, 10, {}},
          {"edit", "", 0, kFileNameEdit, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 60, 140,
           160, 12, {}},
          {"static", "Files of type:", 0, kFileTypeLabel, kLabel, 0, 7, 160, 50, 10, {}},
          {"combobox", "", 0, kFileTypeCombo, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 60,
           158, 160, 100, {}},
          {"button", "Open", 0, IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 226, 139, 47, 14, {}},
          {"button", "Cancel", 0, IDCANCEL, kButton, 0, 226, 157, 47, 14, {}},
          {"static", "Look in:", 0, kLookInLabel, kLabel, 0, 7, 8, 36, 10, {}},
          {"edit", "", 0, kFolderText, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 0, 45, 6, 190,
           12, {}},
          {"button", "Up", 0, kUpButton, kButton, 0, 240, 5, 33, 14, {}},
          {"listbox", "", 0, kFileList,
           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 7, 24,
           266, 110, {}},
      }};
  return tmpl;
}

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLength(hwnd);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowText(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace

OpenFileDialog::OpenFileDialog(OPENFILENAME& ofn, FileDialogModel& model) : ofn_(ofn), model_(model) {}

void OpenFileDialog::RegisterTemplate() {
  static bool registered = false;
  if (registered) return;
  RegisterDialogResource(kTemplateId, &Template());
  registered = true;
}

INT_PTR OpenFileDialog::run() {
  RegisterTemplate();
  return DialogBoxParam(GetModuleHandle(nullptr), MAKEINTRESOURCE(kTemplateId), ofn_.hwndOwner, Procedure,
                        reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK OpenFileDialog::Procedure(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtr(dlg, DWLP_USER, lParam);
    reinterpret_cast<OpenFileDialog*>(lParam)->dlg_ = dlg;
  }
  auto* self = reinterpret_cast<OpenFileDialog*>(GetWindowLongPtr(dlg, DWLP_USER));
  return self != nullptr ? self->handleMessage(msg, wParam, lParam) : FALSE;
}

// The hook sees WM_INITDIALOG after the dialog is set up, with the OPENFILENAME as its lParam; it
// sees every other message first and takes it over by returning nonzero.
bool OpenFileDialog::callHook(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!(ofn_.Flags & OFN_ENABLEHOOK) || ofn_.lpfnHook == nullptr) return false;
  return ofn_.lpfnHook(dlg_, msg, wParam, lParam) != 0;
}

INT_PTR OpenFileDialog::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    onInitDialog();
    callHook(msg, wParam, reinterpret_cast<LPARAM>(&ofn_));
    return FALSE;  // the focus is already in the name box
  }
  if (callHook(msg, wParam, lParam)) return TRUE;
  if (msg == WM_COMMAND) {
    onCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

void OpenFileDialog::onInitDialog() {
  if (ofn_.lpstrTitle != nullptr && *ofn_.lpstrTitle != '\0') SetWindowText(dlg_, ofn_.lpstrTitle);
  fillTypes();
  fillList();
  std::string initialName(ofn_.lpstrFile, strnlen(ofn_.lpstrFile, ofn_.nMaxFile));
  setFileName(initialName);
  SetFocus(item(kFileNameEdit));
}

void OpenFileDialog::onCommand(int id, int code) {
  if (id == IDOK) {
    onOpen();
  } else if (id == IDCANCEL) {
    EndDialog(dlg_, IDCANCEL);
  } else if (id == kUpButton && code == BN_CLICKED) {
    onUp();
  } else if (id == kFileList && code == LBN_SELCHANGE) {
    onListSelectionChanged();
  } else if (id == kFileList && code == LBN_DBLCLK) {
    onListDoubleClicked();
  } else if (id == kFileTypeCombo && code == CBN_SELCHANGE) {
    onTypeChanged();
  }
}

// Enter in the list on a folder opens it; everywhere else Open acts on the name box.
void OpenFileDialog::onOpen() {
  const FileDialogModel::Entry* entry = selectedEntry();
  if (GetFocus() == item(kFileList) && entry != nullptr && entry->isFolder) {
    showFolder(entry->name);
    return;
  }
  std::string defaultExtension = ofn_.lpstrDefExt != nullptr ? ofn_.lpstrDefExt : "";
  carryOut(model_.resolve(fileName(), ofn_.Flags, defaultExtension));
}

void OpenFileDialog::onUp() {
  if (!model_.openParent()) return;
  fillList();
  // At the root the button is disabled and cannot keep the focus.
  if (!IsWindowEnabled(item(kUpButton))) SetFocus(item(kFileList));
}

void OpenFileDialog::onListSelectionChanged() {
  const FileDialogModel::Entry* entry = selectedEntry();
  if (entry != nullptr && !entry->isFolder) setFileName(entry->name);
}

void OpenFileDialog::onListDoubleClicked() {
  const FileDialogModel::Entry* entry = selectedEntry();
  if (entry == nullptr) return;
  if (entry->isFolder) {
    showFolder(entry->name);
  } else {
    carryOut(model_.resolve(entry->name, ofn_.Flags, ""));
  }
}

void OpenFileDialog::onTypeChanged() {
  LRESULT index = SendMessage(item(kFileTypeCombo), CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  model_.chooseType(static_cast<size_t>(index));
  fillList();
}

void OpenFileDialog::carryOut(const FileDialogModel::Decision& decision) {
  using Action = FileDialogModel::Action;
  switch (decision.action) {
    case Action::None:
      break;
    case Action::ShowFolder:
      showFolder(decision.path);
      break;
    case Action::FilterList:
      if (decision.path != model_.folder() && !model_.openFolder(decision.path)) {
        warn(decision.path + "\nThis folder cannot be opened.");
        break;
      }
      model_.filterWith(decision.patterns);
      fillList();
      setFileName(decision.patterns);
      break;
    case Action::ReturnFile:
      chosenPath_ = decision.path;
      EndDialog(dlg_, IDOK);
      break;
    case Action::RefuseMissingFolder:
      warn(decision.path + "\nThis folder does not exist.\nCheck the path and try again.");
      break;
    case Action::RefuseMissingFile:
      warn(decision.path + "\nFile not found.\nCheck the file name and try again.");
      break;
  }
}

void OpenFileDialog::showFolder(const std::string& folder) {
  if (!model_.openFolder(folder)) {
    warn(folder + "\nThis folder cannot be opened.");
    return;
  }
  fillList();
  setFileName("");
}

void OpenFileDialog::fillTypes() {
  HWND combo = item(kFileTypeCombo);
  const FileTypeList& types = model_.types();
  for (size_t i = 0; i < types.size(); ++i) {
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(types.at(i).label.c_str()));
  }
  if (!types.empty()) SendMessage(combo, CB_SETCURSEL, model_.typeIndex(), 0);
}

void OpenFileDialog::fillList() {
  HWND list = item(kFileList);
  SendMessage(list, WM_SETREDRAW, FALSE, 0);
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  for (const FileDialogModel::Entry& entry : model_.entries()) {
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FileDialogModel::DisplayText(entry).c_str()));
  }
  SendMessage(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  SetWindowText(item(kFolderText), model_.folder().c_str());
  EnableWindow(item(kUpButton), model_.folder() != "/");
}

void OpenFileDialog::warn(const std::string& text) {
  std::string caption = WindowText(dlg_);
  MessageBox(dlg_, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
  HWND edit = item(kFileNameEdit);
  SetFocus(edit);
  SendMessage(edit, EM_SETSEL, 0, -1);
}

void OpenFileDialog::setFileName(const std::string& text) { SetWindowText(item(kFileNameEdit), text.c_str()); }

std::string OpenFileDialog::fileName() const { return WindowText(item(kFileNameEdit)); }

const FileDialogModel::Entry* OpenFileDialog::selectedEntry() const {
  LRESULT index = SendMessage(item(kFileList), LB_GETCURSEL, 0, 0);
  const auto& entries = model_.entries();
  if (index < 0 || static_cast<size_t>(index) >= entries.size()) return nullptr;
  return &entries[static_cast<size_t>(index)];
}

}  // namespace win
