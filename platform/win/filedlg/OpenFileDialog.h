// The modal open-file dialog: its template, its procedure and the user's actions in it. The model
// holds the folder and decides what a typed name means; this class shows it and acts on it.
#pragma once

#include <string>

#include "platform/win/commdlg.h"
#include "platform/win/filedlg/FileDialogModel.h"

namespace win {

class OpenFileDialog {
 public:
  // `model` already shows the starting folder.
  OpenFileDialog(OPENFILENAME& ofn, FileDialogModel& model);

  // IDOK with chosenPath() set, IDCANCEL, or -1 when the dialog could not be made.
  INT_PTR run();
  const std::string& chosenPath() const { return chosenPath_; }

 private:
  static INT_PTR CALLBACK Procedure(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
  static void RegisterTemplate();

  INT_PTR handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool callHook(UINT msg, WPARAM wParam, LPARAM lParam);
  void onInitDialog();
  void onCommand(int id, int code);
  void onOpen();
  void onUp();
  void onListSelectionChanged();
  void onListDoubleClicked();
  void onTypeChanged();

  void carryOut(const FileDialogModel::Decision& decision);
  void showFolder(const std::string& folder);
  void fillTypes();
  void fillList();
  void warn(const std::string& text);
  void setFileName(const std::string& text);
  std::string fileName() const;
  const FileDialogModel::Entry* selectedEntry() const;
  HWND item(int id) const { return GetDlgItem(dlg_, id); }

  OPENFILENAME& ofn_;
  FileDialogModel& model_;
  HWND dlg_ = nullptr;
  std::string chosenPath_;
};

}  // namespace win
