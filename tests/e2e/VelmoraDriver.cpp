#include "tests/e2e/VelmoraDriver.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

// The main window: 3-pixel frame, 19-pixel caption, dialog units of 7 x 15 pixels.
constexpr int kFrame = 3;
constexpr int kCaption = 19;
constexpr int kMainBaseX = 7;
constexpr int kMainBaseY = 15;
// The extraction window: a popup without caption, dialog units of 8 x 16 pixels, 189 x 66 units.
constexpr int kExtractionBaseX = 8;
constexpr int kExtractionBaseY = 16;
constexpr int kExtractionWidth = 189 * kExtractionBaseX / 4 + 2 * kFrame;
constexpr int kExtractionHeight = 66 * kExtractionBaseY / 8 + 2 * kFrame;

DialogUnitRect MainPlace(VelmoraDriver::Control control) {
  using C = VelmoraDriver::Control;
  switch (control) {
    case C::OpenFile: return {383, 7, 20, 20};
    case C::MarkStart: return {15, 184, 43, 11};
    case C::MarkEnd: return {67, 184, 43, 11};
    case C::Play: return {126, 184, 10, 10};
    case C::Pause: return {140, 184, 10, 10};
    case C::FastBackward: return {154, 184, 10, 10};
    case C::FastForward: return {168, 184, 10, 10};
    case C::SeekBegin: return {182, 184, 10, 10};
    case C::SeekEnd: return {196, 184, 10, 10};
    case C::Extract: return {221, 164, 36, 11};
    case C::Mono: return {311, 88, 32, 10};
    case C::Stereo: return {351, 88, 40, 10};
    case C::BitRate: return {311, 103, 70, 12};  // the closed box; the template's height is the list's
    case C::SampleRate: return {311, 125, 70, 12};
    case C::Picture: return {4, 3, 247, 187};
    case C::PositionText: return {71, 160, 45, 8};
    case C::Slider: return {5, 170, 210, 11};
  }
  return {};
}

}  // namespace

bool VelmoraDriver::start() {
  if (!session_.startProgram(VELMORA_BINARY_DIR "/velmora")) return false;
  std::optional<XWindow> main =
      session_.waitForWindow([](const XWindow& w) { return w.name == "Velmora"; }, 60s);
  if (!main) return false;
  main_ = *main;
  return true;
}

ScreenRect VelmoraDriver::rect(Control control) const {
  DialogGeometry geometry{kMainBaseX, kMainBaseY, {main_.frame.x + kFrame, main_.frame.y + kFrame + kCaption}};
  return geometry.toScreen(MainPlace(control));
}

void VelmoraDriver::press(Control control) { session_.click(rect(control).center()); }

ScreenPoint VelmoraDriver::keyboardPoint() const { return {main_.frame.x + main_.frame.width / 2, main_.frame.y + 10}; }

bool VelmoraDriver::openVideo(const std::string& path) {
  press(Control::OpenFile);
  std::optional<XWindow> dialog = session_.waitForWindow([](const XWindow& w) { return w.name == "Open"; }, 30s);
  if (!dialog) return false;
  ScreenPoint inside = dialog->frame.center();
  session_.type(inside, path);
  session_.key(inside, "Return");
  return session_.waitUntilGone(dialog->id, 60s);
}

void VelmoraDriver::chooseInList(Control list, const std::string& text) {
  ScreenPoint box = rect(list).center();
  session_.click(box);
  session_.type(box, text);
  session_.key(box, "Return");
}

std::optional<XWindow> VelmoraDriver::waitForExtractionWindow(std::chrono::seconds deadline) {
  return session_.waitForWindow(
      [](const XWindow& w) { return w.frame.width == kExtractionWidth && w.frame.height == kExtractionHeight; },
      deadline);
}

ScreenPoint VelmoraDriver::extractionButton(const XWindow& window, ExtractionControl control) const {
  DialogGeometry geometry{kExtractionBaseX, kExtractionBaseY, {window.frame.x + kFrame, window.frame.y + kFrame}};
  DialogUnitRect place = control == ExtractionControl::ExtractNow ? DialogUnitRect{63, 41, 36, 11}
                                                                  : DialogUnitRect{99, 41, 36, 11};
  return geometry.toScreen(place).center();
}

std::optional<XWindow> VelmoraDriver::waitForMessageBox(std::chrono::seconds deadline) {
  // Message boxes carry the executable's name as their caption.
  return session_.waitForWindow([](const XWindow& w) { return w.name == "velmora"; }, deadline);
}

std::string VelmoraDriver::documentsFolder() const { return session_.home() + "/Documents"; }

}  // namespace e2e
