#include "res/DialogTemplates.h"

#include <utility>
#include <vector>

#include "platform/win/commctrl.h"
#include "platform/win/winuser.h"
#include "res/resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct Box {
  short x, y, cx, cy;
};

win::DialogItemTemplate Item(const char* className, const char* text, int id, DWORD style, Box box) {
  return {className, text, 0, id, kChild | style, 0, box.x, box.y, box.cx, box.cy, {}};
}

// A static control that shows an image resource instead of text.
win::DialogItemTemplate Image(int resourceId, int id, DWORD style, Box box) {
  win::DialogItemTemplate item = Item("static", "", id, style, box);
  item.resourceId = resourceId;
  return item;
}

win::DialogItemTemplate Label(const char* text, int id, Box box) {
  return Item("static", text, id, SS_LEFT | WS_GROUP, box);
}

win::DialogItemTemplate GroupBox(const char* text, Box box) {
  return Item("button", text, IDC_STATIC, BS_GROUPBOX, box);
}

// Every push button of the program is a skin button: no caption, the image carries it.
win::DialogItemTemplate PushButton(int id, Box box) {
  return Item("button", "", id, BS_PUSHBUTTON | WS_TABSTOP, box);
}

win::DialogItemTemplate RadioButton(const char* text, int id, DWORD group, Box box) {
  return Item("button", text, id, BS_AUTORADIOBUTTON | group, box);
}

win::DialogItemTemplate PathEdit(int id, Box box) {
  return Item("edit", "", id, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, box);
}

// The lists are sorted, so the order added here is not the order shown. The height is the list's.
win::DialogItemTemplate ChoiceList(int id, Box box, std::vector<const char*> items) {
  win::DialogItemTemplate item =
      Item("combobox", "", id, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, box);
  item.initStrings = std::move(items);
  return item;
}

win::DialogTemplate Dialog(bool extended, DWORD style, Box box, const char* caption, const char* fontFace,
                           WORD pointSize, std::vector<win::DialogItemTemplate> items) {
  win::DialogTemplate tmpl{};
  tmpl.extended = extended;
  tmpl.style = style;
  tmpl.x = box.x;
  tmpl.y = box.y;
  tmpl.cx = box.cx;
  tmpl.cy = box.cy;
  tmpl.caption = caption;
  tmpl.fontFace = fontFace;
  tmpl.pointSize = pointSize;
  tmpl.weight = FW_NORMAL;
  tmpl.charSet = DEFAULT_CHARSET;
  tmpl.items = std::move(items);
  return tmpl;
}

win::DialogTemplate BuildAboutBox() {
  return Dialog(false, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, {0, 0, 235, 55},
                "关于 Velmora", "Times New Roman", 9,
                {Image(IDR_MAINFRAME, IDC_STATIC, SS_ICON, {11, 17, 20, 20})});
}

win::DialogTemplate BuildMainDialog() {
  win::DialogTemplate tmpl =
      Dialog(true, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
             {0, 0, 423, 215}, "Velmora", "Microsoft Sans Serif", 9,
             {
                 Image(IDB_NO_VIDEO, IDC_VIDEO_PICTURE, SS_BITMAP, {4, 3, 247, 187}),
                 GroupBox("", {4, 153, 215, 52}),
                 Item(TRACKBAR_CLASS, "Slider1", IDC_POSITION_SLIDER,
                      TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE | WS_TABSTOP, {5, 170, 210, 11}),
                 Label("00:00:00.000", IDC_POSITION_TEXT, {71, 160, 45, 8}),
                 Label("Duration:", IDC_STATIC, {141, 160, 30, 8}),
                 Label("00:00:00.000", IDC_DURATION_TEXT, {173, 160, 42, 8}),
                 PushButton(IDC_MARK_START, {15, 184, 43, 11}),
                 PushButton(IDC_MARK_END, {67, 184, 43, 11}),
                 GroupBox("File Source", {220, 1, 183, 47}),
                 Label("Source File:", IDC_STATIC, {224, 14, 39, 8}),
                 Label("Save Directory:", IDC_STATIC, {221, 31, 46, 8}),
                 PathEdit(IDC_SOURCE_EDIT, {267, 12, 117, 14}),
                 PathEdit(IDC_SAVE_DIR_EDIT, {267, 30, 117, 14}),
                 PushButton(IDC_OPEN_FILE, {383, 7, 20, 20}),
                 PushButton(IDC_SAVE_DIR, {383, 27, 20, 20}),
                 PushButton(IDC_PLAY, {126, 184, 10, 10}),
                 PushButton(IDC_PAUSE, {140, 184, 10, 10}),
                 PushButton(IDC_FAST_BACKWARD, {154, 184, 10, 10}),
                 PushButton(IDC_FAST_FORWARD, {168, 184, 10, 10}),
                 PushButton(IDC_SEEK_BEGIN, {182, 184, 10, 10}),
                 PushButton(IDC_SEEK_END, {196, 184, 10, 10}),
                 GroupBox("Output  Format", {220, 48, 183, 108}),
                 RadioButton("Mp3 File", IDC_FORMAT_MP3, WS_GROUP, {229, 71, 83, 10}),
                 Label("Number of Channels:", IDC_CHANNELS_LABEL, {238, 88, 72, 8}),
                 RadioButton("Mono", IDC_MONO, WS_GROUP, {311, 88, 32, 10}),
                 RadioButton("Stereo", IDC_STEREO, 0, {351, 88, 40, 10}),
                 Label("Bit Rate(kbps):", IDC_BIT_RATE_LABEL, {238, 107, 62, 8}),
                 Label("Sample Rate(kHz):", IDC_SAMPLE_RATE_LABEL, {238, 127, 66, 8}),
                 ChoiceList(IDC_BIT_RATE, {311, 103, 70, 67},
                            {"320", "256", "224", "192", "160", "128", "112", "96", "80", "64"}),
                 ChoiceList(IDC_SAMPLE_RATE, {311, 125, 70, 63}, {"48", "44.1", "32", "24", "22.05", "16"}),
                 PushButton(IDC_EXTRACT, {221, 164, 36, 11}),
                 PushButton(IDC_HOMEPAGE, {369, 164, 36, 11}),
                 PushButton(IDC_HELP_BUTTON, {332, 164, 36, 11}),
             });
  tmpl.exStyle = WS_EX_APPWINDOW;
  return tmpl;
}

// No caption and no system menu: the window is only its skin, the bar and two buttons.
win::DialogTemplate BuildProgressDialog() {
  return Dialog(false, WS_POPUP | DS_MODALFRAME | DS_SETFONT, {0, 0, 189, 66}, "", "Times New Roman", 10,
                {
                    PushButton(IDC_PROGRESS_CANCEL, {99, 41, 36, 11}),
                    Item(PROGRESS_CLASS, "", IDC_PROGRESS_BAR, WS_BORDER, {7, 23, 173, 10}),
                    PushButton(IDC_PROGRESS_EXTRACT, {63, 41, 36, 11}),
                });
}

}  // namespace

const win::DialogTemplate& AboutBoxTemplate() {
  static const win::DialogTemplate tmpl = BuildAboutBox();
  return tmpl;
}

const win::DialogTemplate& MainDialogTemplate() {
  static const win::DialogTemplate tmpl = BuildMainDialog();
  return tmpl;
}

const win::DialogTemplate& ProgressDialogTemplate() {
  static const win::DialogTemplate tmpl = BuildProgressDialog();
  return tmpl;
}
