// Cuts decoded sound to a range by its timestamps, to the sample, and ends the stream at the range's
// end. It guards every extraction: it does the whole cut where the demuxer refuses seeks and trims
// what an accurate seek leaves around the range elsewhere.
#pragma once

#include <gst/gst.h>

#include <mutex>

namespace dshow {

class RangeClipper {
 public:
  RangeClipper() = default;
  RangeClipper(const RangeClipper&) = delete;
  RangeClipper& operator=(const RangeClipper&) = delete;

  // Watches the decoded sound pad; the pipeline must be shut down before this object goes.
  void Attach(GstPad* pad);
  // Stream times in ns; stop -1 means to the end.
  void SetRange(gint64 start, gint64 stop);
  // Stream time of the first decoded sound, -1 before any has passed.
  gint64 FirstStreamTime();

 private:
  static GstPadProbeReturn OnProbe(GstPad* pad, GstPadProbeInfo* info, gpointer self);
  GstPadProbeReturn OnBuffer(GstPad* pad, GstPadProbeInfo* info);
  // The range in the buffer timestamps of the current segment.
  bool ClipSegment(GstSegment* clip) const;
  void NoteFirst(GstClockTime pts);

  std::mutex m_mutex;
  bool m_hasRange = false;
  gint64 m_start = 0;
  gint64 m_stop = -1;
  GstSegment m_segment{};
  bool m_hasSegment = false;
  bool m_ended = false;
  gint64 m_firstStreamTime = -1;
};

}  // namespace dshow
