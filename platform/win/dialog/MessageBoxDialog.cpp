#include "platform/win/dialog/MessageBoxDialog.h"

#include <algorithm>

#include "platform/win/dialog/DialogBuilder.h"
#include "platform/win/dialog/DialogFont.h"
#include "platform/win/dialog/DialogManager.h"

namespace win {

namespace {

constexpr UINT kTypeMask = 0x0F;
constexpr UINT kDefaultButtonShift = 8;  // MB_DEFBUTTON2 is 0x100, MB_DEFBUTTON3 0x200
constexpr UINT kAbortRetryIgnore = 2;
constexpr UINT kYesNoCancel = 3;
constexpr UINT kRetryCancel = 5;

constexpr const char* kFace = "Microsoft Sans Serif";
constexpr int kPoints = 9;
constexpr int kWrapWidthPx = 280;

// Layout in dialog units.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr int kTextId = -1;

int PixelsToUnits(int pixels, int baseUnit, int unitsPerBase) {
  return (pixels * unitsPerBase + baseUnit - 1) / baseUnit;
}

}  // namespace

MessageBoxDialog::MessageBoxDialog(HWND owner, const char* text, const char* caption, UINT type)
    : owner_(owner ? GetAncestor(owner, GA_ROOT) : nullptr),
      text_(text ? text : ""),
      caption_(caption ? caption : "Error") {
  switch (type & kTypeMask) {
    case MB_OKCANCEL: buttons_ = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}; break;
    case kAbortRetryIgnore: buttons_ = {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}}; break;
    case kYesNoCancel: buttons_ = {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}}; break;
    case MB_YESNO: buttons_ = {{IDYES, "&Yes"}, {IDNO, "&No"}}; break;
    case kRetryCancel: buttons_ = {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}}; break;
    default: buttons_ = {{IDOK, "OK"}}; break;
  }
  defaultButton_ = std::min<size_t>((type >> kDefaultButtonShift) & 0x0F, buttons_.size() - 1);
}

bool MessageBoxDialog::hasButton(int id) const {
  return std::any_of(buttons_.begin(), buttons_.end(), [id](const ButtonSpec& b) { return b.id == id; });
}

int MessageBoxDialog::resultFor(int commandId) const {
  if (hasButton(commandId)) return commandId;
  // Esc and the close box: a box with only OK closes with OK; one without Cancel stays open.
  if (commandId == IDCANCEL && buttons_.size() == 1 && buttons_[0].id == IDOK) return IDOK;
  return 0;
}

SIZE MessageBoxDialog::measureText() const {
  DialogFont font = DialogFont::create(kFace, kPoints, FW_NORMAL, false, DEFAULT_CHARSET);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.font);
  RECT rc{0, 0, kWrapWidthPx, 0};
  DrawText(dc, text_.c_str(), -1, &rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  DeleteDC(dc);
  if (font.owned) DeleteObject(font.font);
  return {PixelsToUnits(rc.right - rc.left, font.baseUnitX, 4), PixelsToUnits(rc.bottom - rc.top, font.baseUnitY, 8)};
}

DialogTemplate MessageBoxDialog::buildTemplate() const {
  SIZE text = measureText();
  int buttonCount = static_cast<int>(buttons_.size());
  int rowWidth = buttonCount * kButtonWidth + (buttonCount - 1) * kButtonGap;
  int width = std::max<int>(text.cx, rowWidth) + 2 * kMargin;
  int buttonsTop = kMargin + text.cy + kMargin;

  DialogTemplate tmpl{};
  tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
  tmpl.cx = static_cast<short>(width);
  tmpl.cy = static_cast<short>(buttonsTop + kButtonHeight + kMargin);
  tmpl.caption = caption_.c_str();
  tmpl.fontFace = kFace;
  tmpl.pointSize = kPoints;
  tmpl.weight = FW_NORMAL;
  tmpl.charSet = DEFAULT_CHARSET;
  tmpl.items.push_back({"static", text_.c_str(), 0, kTextId, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                        kMargin, kMargin, static_cast<short>(text.cx), static_cast<short>(text.cy), {}});
  int x = (width - rowWidth) / 2;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                  (i == defaultButton_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    tmpl.items.push_back({"button", buttons_[i].label, 0, buttons_[i].id, style, 0, static_cast<short>(x),
                          static_cast<short>(buttonsTop), kButtonWidth, kButtonHeight, {}});
    x += kButtonWidth + kButtonGap;
  }
  return tmpl;
}

INT_PTR CALLBACK MessageBoxDialog::DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<MessageBoxDialog*>(lParam);
    SetWindowLongPtr(dlg, DWLP_USER, lParam);
    HWND button = GetDlgItem(dlg, self->buttons_[self->defaultButton_].id);
    SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
    return FALSE;
  }
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    auto* self = reinterpret_cast<MessageBoxDialog*>(GetWindowLongPtr(dlg, DWLP_USER));
    int result = self ? self->resultFor(LOWORD(wParam)) : 0;
    if (result) EndDialog(dlg, result);
    return TRUE;
  }
  return FALSE;
}

int MessageBoxDialog::run() {
  DialogTemplate tmpl = buildTemplate();
  HWND dlg = DialogBuilder(tmpl, owner_, true).create(DialogProc, reinterpret_cast<LPARAM>(this));
  if (!dlg) return 0;
  return static_cast<int>(RunModalDialog(dlg, owner_));
}

}  // namespace win

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return win::MessageBoxDialog(owner, text, caption, type).run();
}
