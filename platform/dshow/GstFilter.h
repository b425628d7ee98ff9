// The private side of this layer's filters: how the graph manager turns them into pipeline elements.
#pragma once

#include <gst/gst.h>

#include "platform/dshow/dshow.h"

inline constexpr IID IID_IGstFilter = {0x7C3E1A52, 0x94B0, 0x4D6E, {0xA1, 0x58, 0x2F, 0x60, 0x0B, 0x7D, 0x13, 0xC1}};

struct IGstFilter : IUnknown {
  // Creates the filter's element and anything it needs outside the pipeline (the sink's file).
  STDMETHOD(Prepare)() = 0;
  // The element made by Prepare, owned by the filter; null before.
  STDMETHOD_(GstElement*, Element)() = 0;
  // The graph could not be built: undo what Prepare left behind that holds no data.
  STDMETHOD_(void, Abandon)() = 0;
};

COM_INTERFACE_ID(IGstFilter, IID_IGstFilter)

inline constexpr IID IID_IGstGraph = {0x7C3E1A52, 0x94B0, 0x4D6E, {0xA1, 0x58, 0x2F, 0x60, 0x0B, 0x7D, 0x13, 0xC2}};

struct IGstGraph : IUnknown {
  // Links source -> intermediate -> sink in this graph's pipeline and prerolls it.
  STDMETHOD(ConnectAudioChain)(IBaseFilter* source, IBaseFilter* intermediate, IBaseFilter* sink) = 0;
};

COM_INTERFACE_ID(IGstGraph, IID_IGstGraph)
