#include <gtest/gtest.h>

#include <cstring>

#include "platform/dshow/dshow.h"

namespace {

// The vtable slot a pointer to a virtual member function refers to (Itanium C++ ABI: the pointer
// holds 1 + the slot's byte offset).
template <class Method>
ptrdiff_t SlotOf(Method method) {
  ptrdiff_t raw = 0;
  std::memcpy(&raw, &method, sizeof raw);
  return (raw - 1) / static_cast<ptrdiff_t>(sizeof(void*));
}

TEST(EncoderProperties, TheProgramsSlotsHoldTheirSetters) {
  EXPECT_EQ(SlotOf(&IAudioEncoderProperties::QueryInterface), 0);
  EXPECT_EQ(SlotOf(&IAudioEncoderProperties::set_Bitrate), 6);
  EXPECT_EQ(SlotOf(&IAudioEncoderProperties::set_SampleRate), 20);
  EXPECT_EQ(SlotOf(&IAudioEncoderProperties::set_ChannelMode), 22);
}

class EncoderFilter : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    GUID clsid;
    GUID iid;
    ASSERT_EQ(UuidFromStringA("B8D27088-DF5F-4B7C-98DC-0E91A1696286", &clsid), RPC_S_OK);
    ASSERT_EQ(UuidFromStringA("ca7e9ef0-1cbe-11d3-8d29-00a0c94bbfee", &iid), RPC_S_OK);
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(&m_filter)),
              S_OK);
    ASSERT_EQ(m_filter->QueryInterface(iid, reinterpret_cast<void**>(&m_props)), S_OK);
  }
  void TearDown() override {
    if (m_props) m_props->Release();
    if (m_filter) m_filter->Release();
    CoUninitialize();
  }
  IBaseFilter* m_filter = nullptr;
  IAudioEncoderProperties* m_props = nullptr;
};

TEST_F(EncoderFilter, KeepsValidSettingsAndRejectsWhatMp3CannotCarry) {
  struct Case {
    HRESULT (STDMETHODCALLTYPE IAudioEncoderProperties::*set)(DWORD);
    HRESULT (STDMETHODCALLTYPE IAudioEncoderProperties::*get)(DWORD*);
    DWORD value;
    bool accepted;
  };
  using P = IAudioEncoderProperties;
  const Case cases[] = {
      {&P::set_SampleRate, &P::get_SampleRate, 22050, true},  {&P::set_SampleRate, &P::get_SampleRate, 8000, true},
      {&P::set_SampleRate, &P::get_SampleRate, 44000, false}, {&P::set_SampleRate, &P::get_SampleRate, 96000, false},
      {&P::set_Bitrate, &P::get_Bitrate, 320, true},          {&P::set_Bitrate, &P::get_Bitrate, 8, true},
      {&P::set_Bitrate, &P::get_Bitrate, 0, false},           {&P::set_Bitrate, &P::get_Bitrate, 321, false},
      {&P::set_ChannelMode, &P::get_ChannelMode, 2, true},    {&P::set_ChannelMode, &P::get_ChannelMode, 1, true},
      {&P::set_ChannelMode, &P::get_ChannelMode, 3, false},
  };
  for (const Case& c : cases) {
    DWORD before = 0;
    (m_props->*c.get)(&before);
    HRESULT hr = (m_props->*c.set)(c.value);
    DWORD after = 0;
    (m_props->*c.get)(&after);
    if (c.accepted) {
      EXPECT_EQ(hr, S_OK) << c.value;
      EXPECT_EQ(after, c.value);
    } else {
      EXPECT_EQ(hr, E_INVALIDARG) << c.value;
      EXPECT_EQ(after, before) << "a rejected value changed the setting";
    }
  }
}

}  // namespace
