// Velmora as its user sees it: where its controls are on the screen and the few steps that take
// more than one click (choosing a file, picking a list entry, finding its other windows).
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "tests/e2e/XSession.h"

namespace e2e {

class VelmoraDriver {
 public:
  enum class Control {
    OpenFile,
    MarkStart,
    MarkEnd,
    Play,
    Pause,
    FastBackward,
    FastForward,
    SeekBegin,
    SeekEnd,
    Extract,
    Mono,
    Stereo,
    BitRate,
    SampleRate,
    Picture,
    PositionText,
    Slider,
  };
  enum class ExtractionControl { ExtractNow, Cancel };

  explicit VelmoraDriver(XSession& session) : session_(session) {}

  // Starts the program and waits for its main window.
  bool start();
  const XWindow& mainWindow() const { return main_; }
  ScreenRect rect(Control control) const;
  void press(Control control);
  // A point over the main window where the pointer changes nothing: keys typed there reach the
  // control that has the focus.
  ScreenPoint keyboardPoint() const;

  // Open video File, the file name typed into the open dialog, Return; true once the dialog closed.
  bool openVideo(const std::string& path);
  // Opens a drop-down list, types `text` to move to the entry it starts, takes it with Return.
  void chooseInList(Control list, const std::string& text);

  std::optional<XWindow> waitForExtractionWindow(std::chrono::seconds deadline);
  ScreenPoint extractionButton(const XWindow& window, ExtractionControl control) const;
  std::optional<XWindow> waitForMessageBox(std::chrono::seconds deadline);

  // Where extractions go: the documents folder of the session's private home.
  std::string documentsFolder() const;

 private:
  XSession& session_;
  XWindow main_;
};

}  // namespace e2e
