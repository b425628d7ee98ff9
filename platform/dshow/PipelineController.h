// Owns one GStreamer pipeline and watches its bus without a main loop: a sync handler on the
// streaming threads turns messages into graph events and wakes the threads waiting for preroll.
#pragma once

#include <gst/gst.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "platform/dshow/EventQueue.h"

namespace dshow {

class PipelineController {
 public:
  explicit PipelineController(EventQueue& events);
  ~PipelineController();
  PipelineController(const PipelineController&) = delete;
  PipelineController& operator=(const PipelineController&) = delete;

  // Takes ownership of a new (floating) pipeline; the previous one is shut down.
  void Adopt(GstElement* pipeline);
  GstElement* Pipeline() const { return m_pipeline; }
  // Brings the pipeline to NULL and drops it.
  void Shutdown();

  // Sets PAUSED and waits until the pipeline has prerolled, an error was posted, Fail() was called
  // or the timeout passed. The result is S_OK or the failure's HRESULT.
  HRESULT Preroll(std::chrono::milliseconds timeout);
  // Ends a wait in Preroll with this failure (for a builder that finds the stream unusable).
  void Fail(HRESULT hr);
  HRESULT Failure() const;

  bool SetState(GstState state);
  // Completed prerolls so far; with WaitForPrerollAfter a caller waits for the one a seek causes.
  uint64_t PrerollCount() const;
  bool WaitForPrerollAfter(uint64_t count, std::chrono::milliseconds timeout);
  bool Prerolled() const { return PrerollCount() > 0; }

  bool QueryPosition(gint64* position) const;
  bool QueryDuration(gint64* duration) const;
  bool AtEndOfStream() const;
  void ClearEndOfStream();

  // Bus errors and the end of the stream become graph events only once the graph is built; errors
  // while building are the builder's result instead.
  void ReportEvents(bool report);

 private:
  static GstBusSyncReply OnBusMessage(GstBus* bus, GstMessage* message, gpointer self);
  void HandleMessage(GstMessage* message);
  void HandleError(GstMessage* message);
  static HRESULT ResultForError(const GError* error);

  EventQueue& m_events;
  GstElement* m_pipeline = nullptr;
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  uint64_t m_prerolls = 0;
  HRESULT m_failure = S_OK;
  bool m_endOfStream = false;
  bool m_reportEvents = false;
};

}  // namespace dshow
