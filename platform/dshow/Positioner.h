// Carries out seeks on a prerolled pipeline so that they land where asked on every format:
// accurate flushing seeks where the demuxer can, a seek to before the target followed by skipping
// where its accurate seeks land late (MPEG program streams), and a restart followed by skipping or
// clipping where it refuses seeks (RealMedia without an index).
#pragma once

#include <gst/gst.h>

#include <atomic>
#include <chrono>

#include "platform/dshow/PipelineController.h"
#include "platform/dshow/RangeClipper.h"
#include "platform/dshow/SeekSkipper.h"

namespace dshow {

class Positioner {
 public:
  explicit Positioner(PipelineController& pipeline) : m_pipeline(pipeline) {}

  // Preview: sink pads skip to the target. Extraction: the decoded sound is clipped to the range.
  void UseSkipper(SeekSkipper* skipper) { m_skipper = skipper; }
  void UseClipper(RangeClipper* clipper) { m_clipper = clipper; }
  // Watches which demuxer the pipeline plugs; call before it prerolls.
  void Watch(GstElement* pipeline);

  // Positions given to Seek count from this stream time (the first frame's).
  void SetOrigin(gint64 origin) { m_origin = origin; }

  // Times in ns; start or stop -1 leaves that end alone. `resume` is the state the pipeline is
  // meant to be in (for a restart). Waits for the new preroll when `settle` is set.
  bool Seek(gint64 start, gint64 stop, GstState resume, bool settle);

 private:
  enum class Method { Accurate, LeadIn, Restart };

  static void OnElementAdded(GstBin* bin, GstBin* sub, GstElement* element, gpointer self);
  gint64 DemuxerStop(gint64 stop) const;
  bool SeekStop(gint64 stop);
  bool SeekFrom(gint64 seekStart, gint64 stop);
  void Restart(gint64 start, GstState resume);

  PipelineController& m_pipeline;
  SeekSkipper* m_skipper = nullptr;
  RangeClipper* m_clipper = nullptr;
  std::atomic<Method> m_method{Method::Accurate};
  gint64 m_origin = 0;
};

}  // namespace dshow
