// Small helpers shared by the filter graph tests: creating graphs and reading the frame number that
// every fixture picture carries in its bottom strip.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dshow/dshow.h"
#include "platform/gdi/wingdi.h"
#include "tests/dshow/MediaFixtures.h"

namespace graphtest {

constexpr LONGLONG kUnitsPerMs = 10000;
constexpr LONGLONG kFrameUnits = 400000;  // 25 frames per second

template <class Interface>
Interface* Query(IUnknown* object, REFIID iid) {
  Interface* result = nullptr;
  EXPECT_EQ(object->QueryInterface(iid, reinterpret_cast<void**>(&result)), S_OK);
  return result;
}

inline IGraphBuilder* NewGraph() {
  IGraphBuilder* graph = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                             reinterpret_cast<void**>(&graph)),
            S_OK);
  return graph;
}

inline HRESULT Render(IGraphBuilder* graph, const std::string& fixture) {
  std::u16string path = fixtures::Wide(fixtures::Path(fixture));
  return graph->RenderFile(path.c_str(), nullptr);
}

// The frame number in the strip of eight blocks along the bottom (least significant bit left), read
// from the graph's current image; -1 without one.
inline int CurrentFrameNumber(IGraphBuilder* graph) {
  IBasicVideo* video = Query<IBasicVideo>(graph, IID_IBasicVideo);
  LONG size = 0;
  int number = -1;
  if (video && SUCCEEDED(video->GetCurrentImage(&size, nullptr)) && size > 0) {
    std::vector<LONG> buffer((static_cast<size_t>(size) + sizeof(LONG) - 1) / sizeof(LONG));
    if (SUCCEEDED(video->GetCurrentImage(&size, buffer.data()))) {
      const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(buffer.data());
      const auto* pixels = reinterpret_cast<const uint8_t*>(header + 1);
      const int width = header->biWidth;
      const int height = header->biHeight;
      const int row = height / 24;  // bottom-up: near the bottom, inside the strip
      number = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const uint8_t* p = pixels + (static_cast<size_t>(row) * width + (2 * bit + 1) * width / 16) * 4;
        if (p[0] + p[1] + p[2] > 3 * 128) number |= 1 << bit;
      }
    }
  }
  if (video) video->Release();
  return number;
}

}  // namespace graphtest
