// Builds the extraction pipeline: the sound-only source, the encoder and the sink, linked once the
// source finds its first decoded sound stream, then prerolled. A source without one fails the build.
#pragma once

#include <gst/gst.h>

#include <mutex>

#include "platform/dshow/PipelineController.h"
#include "platform/dshow/Positioner.h"
#include "platform/dshow/RangeClipper.h"

namespace dshow {

class ExtractionChain {
 public:
  ExtractionChain(PipelineController& pipeline, RangeClipper& clipper, Positioner& positioner)
      : m_pipeline(pipeline), m_clipper(clipper), m_positioner(positioner) {}
  ~ExtractionChain();
  ExtractionChain(const ExtractionChain&) = delete;
  ExtractionChain& operator=(const ExtractionChain&) = delete;

  // S_OK once the sink has prerolled; the pipeline controller then owns the pipeline.
  HRESULT Connect(GstElement* source, GstElement* encoder, GstElement* sink);

 private:
  static void OnPadAdded(GstElement* source, GstPad* pad, gpointer self);
  static void OnPadRemoved(GstElement* source, GstPad* pad, gpointer self);
  static void OnNoMorePads(GstElement* source, gpointer self);
  static bool IsDecodedSound(GstPad* pad);
  static void DropEverything(GstPad* pad);

  PipelineController& m_pipeline;
  RangeClipper& m_clipper;
  Positioner& m_positioner;
  std::mutex m_mutex;
  GstPad* m_encoderInput = nullptr;
  // The source pad linked to the encoder; a restart (READY, then PAUSED) replaces it.
  GstPad* m_linked = nullptr;
};

}  // namespace dshow
