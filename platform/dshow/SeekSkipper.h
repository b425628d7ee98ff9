// Makes preview seeks land on their target where the demuxer cannot: on the sinks' input pads it
// drops decoded data that ends before the target and moves the following segment to start there,
// so playback starts at the target at once. Used after a restart (a demuxer that refuses seeks) and
// after seeking to before the target (a demuxer whose accurate seeks land late).
#pragma once

#include <gst/gst.h>

#include <memory>
#include <mutex>
#include <vector>

namespace dshow {

class SeekSkipper {
 public:
  SeekSkipper() = default;
  SeekSkipper(const SeekSkipper&) = delete;
  SeekSkipper& operator=(const SeekSkipper&) = delete;

  // Watches a sink's input pad; the pipeline must be shut down before this object goes.
  void Attach(GstPad* pad);
  // The next segment on every watched pad starts at target (stream time, ns).
  void Arm(gint64 target);

 private:
  struct PadState {
    SeekSkipper* owner;
    bool armed = false;
    bool dropping = false;
    gint64 target = 0;
  };

  static GstPadProbeReturn OnProbe(GstPad* pad, GstPadProbeInfo* info, gpointer state);
  GstPadProbeReturn OnSegment(PadState& state, GstPadProbeInfo* info);
  GstPadProbeReturn OnBuffer(PadState& state, GstBuffer* buffer);

  std::mutex m_mutex;
  std::vector<std::unique_ptr<PadState>> m_pads;
};

}  // namespace dshow
