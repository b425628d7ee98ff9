#include "platform/dshow/PipelineController.h"

namespace dshow {

PipelineController::PipelineController(EventQueue& events) : m_events(events) {}

PipelineController::~PipelineController() { Shutdown(); }

void PipelineController::Adopt(GstElement* pipeline) {
  Shutdown();
  {
    std::lock_guard lock(m_mutex);
    m_failure = S_OK;
  }
  m_pipeline = GST_ELEMENT(gst_object_ref_sink(pipeline));
  GstBus* bus = gst_element_get_bus(m_pipeline);
  gst_bus_set_sync_handler(bus, &PipelineController::OnBusMessage, this, nullptr);
  gst_object_unref(bus);
}

void PipelineController::Shutdown() {
  if (!m_pipeline) return;
  ReportEvents(false);
  gst_element_set_state(m_pipeline, GST_STATE_NULL);
  GstBus* bus = gst_element_get_bus(m_pipeline);
  gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
  gst_object_unref(bus);
  gst_object_unref(m_pipeline);
  m_pipeline = nullptr;
  std::lock_guard lock(m_mutex);
  m_prerolls = 0;
  m_endOfStream = false;
}

GstBusSyncReply PipelineController::OnBusMessage(GstBus*, GstMessage* message, gpointer self) {
  static_cast<PipelineController*>(self)->HandleMessage(message);
  // Nothing reads the bus asynchronously: dropping keeps it from filling up.
  gst_message_unref(message);
  return GST_BUS_DROP;
}

void PipelineController::HandleMessage(GstMessage* message) {
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
      HandleError(message);
      break;
    case GST_MESSAGE_EOS: {
      bool report;
      {
        std::lock_guard lock(m_mutex);
        m_endOfStream = true;
        report = m_reportEvents;
      }
      if (report) m_events.Post(EC_COMPLETE, S_OK, 0);
      break;
    }
    case GST_MESSAGE_ASYNC_DONE: {
      std::lock_guard lock(m_mutex);
      ++m_prerolls;
      m_changed.notify_all();
      break;
    }
    default:
      break;
  }
}

void PipelineController::HandleError(GstMessage* message) {
  GError* error = nullptr;
  gst_message_parse_error(message, &error, nullptr);
  HRESULT hr = ResultForError(error);
  g_clear_error(&error);
  bool report;
  {
    std::lock_guard lock(m_mutex);
    if (SUCCEEDED(m_failure)) m_failure = hr;
    report = m_reportEvents;
    m_changed.notify_all();
  }
  if (report) m_events.Post(EC_ERRORABORT, hr, 0);
}

HRESULT PipelineController::ResultForError(const GError* error) {
  if (!error) return E_FAIL;
  if (error->domain == GST_RESOURCE_ERROR) {
    switch (error->code) {
      case GST_RESOURCE_ERROR_NOT_FOUND:
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
      case GST_RESOURCE_ERROR_NOT_AUTHORIZED:
      case GST_RESOURCE_ERROR_OPEN_READ:
        return E_ACCESSDENIED;
      case GST_RESOURCE_ERROR_NO_SPACE_LEFT:
        return HRESULT_FROM_WIN32(ERROR_DISK_FULL);
      case GST_RESOURCE_ERROR_WRITE:
        return HRESULT_FROM_WIN32(ERROR_WRITE_FAULT);
      default:
        return E_FAIL;
    }
  }
  if (error->domain == GST_STREAM_ERROR) {
    switch (error->code) {
      case GST_STREAM_ERROR_TYPE_NOT_FOUND:
        return VFW_E_UNKNOWN_FILE_TYPE;
      case GST_STREAM_ERROR_WRONG_TYPE:
        return VFW_E_UNSUPPORTED_STREAM;
      case GST_STREAM_ERROR_CODEC_NOT_FOUND:
      case GST_STREAM_ERROR_DECODE:
      case GST_STREAM_ERROR_DEMUX:
        return VFW_E_INVALID_FILE_FORMAT;
      default:
        return VFW_E_CANNOT_RENDER;
    }
  }
  if (error->domain == GST_CORE_ERROR && error->code == GST_CORE_ERROR_MISSING_PLUGIN) return VFW_E_CANNOT_RENDER;
  return E_FAIL;
}

HRESULT PipelineController::Preroll(std::chrono::milliseconds timeout) {
  if (!m_pipeline) return E_UNEXPECTED;
  uint64_t before = PrerollCount();
  if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
    HRESULT failure = Failure();
    return FAILED(failure) ? failure : VFW_E_CANNOT_RENDER;
  }
  std::unique_lock lock(m_mutex);
  bool settled = m_changed.wait_for(lock, timeout, [&] { return m_prerolls > before || FAILED(m_failure); });
  if (FAILED(m_failure)) return m_failure;
  return settled ? S_OK : VFW_E_TIMEOUT;
}

void PipelineController::Fail(HRESULT hr) {
  std::lock_guard lock(m_mutex);
  if (SUCCEEDED(m_failure)) m_failure = hr;
  m_changed.notify_all();
}

HRESULT PipelineController::Failure() const {
  std::lock_guard lock(m_mutex);
  return m_failure;
}

bool PipelineController::SetState(GstState state) {
  return m_pipeline && gst_element_set_state(m_pipeline, state) != GST_STATE_CHANGE_FAILURE;
}

uint64_t PipelineController::PrerollCount() const {
  std::lock_guard lock(m_mutex);
  return m_prerolls;
}

bool PipelineController::WaitForPrerollAfter(uint64_t count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_prerolls > count || FAILED(m_failure); }) &&
         SUCCEEDED(m_failure);
}

bool PipelineController::QueryPosition(gint64* position) const {
  return m_pipeline && gst_element_query_position(m_pipeline, GST_FORMAT_TIME, position);
}

bool PipelineController::QueryDuration(gint64* duration) const {
  return m_pipeline && gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, duration) && *duration >= 0;
}

bool PipelineController::AtEndOfStream() const {
  std::lock_guard lock(m_mutex);
  return m_endOfStream;
}

void PipelineController::ClearEndOfStream() {
  std::lock_guard lock(m_mutex);
  m_endOfStream = false;
}

void PipelineController::ReportEvents(bool report) {
  std::lock_guard lock(m_mutex);
  m_reportEvents = report;
}

}  // namespace dshow
