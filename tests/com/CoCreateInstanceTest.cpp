#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/objbase.h"

namespace {

constexpr IID IID_ICounter = {0x5A0D3C11, 0x6E2B, 0x4F10, {0x9B, 0x1E, 0x11, 0x22, 0x33, 0x44, 0x55, 0x01}};
constexpr IID IID_INamed = {0x5A0D3C11, 0x6E2B, 0x4F10, {0x9B, 0x1E, 0x11, 0x22, 0x33, 0x44, 0x55, 0x02}};
constexpr IID IID_IUnoffered = {0x5A0D3C11, 0x6E2B, 0x4F10, {0x9B, 0x1E, 0x11, 0x22, 0x33, 0x44, 0x55, 0x03}};
constexpr CLSID CLSID_Counter = {0x5A0D3C11, 0x6E2B, 0x4F10, {0x9B, 0x1E, 0x11, 0x22, 0x33, 0x44, 0x55, 0x10}};
constexpr CLSID CLSID_Missing = {0x5A0D3C11, 0x6E2B, 0x4F10, {0x9B, 0x1E, 0x11, 0x22, 0x33, 0x44, 0x55, 0x11}};

struct ICounter : IUnknown {
  STDMETHOD_(int, Next)() = 0;
};
struct INamed : IUnknown {
  STDMETHOD_(const char*, Name)() = 0;
};

}  // namespace

COM_INTERFACE_ID(ICounter, IID_ICounter)
COM_INTERFACE_ID(INamed, IID_INamed)

namespace {

std::atomic<int> g_liveCounters{0};

class Counter final : public com::ComObject<ICounter, INamed> {
 public:
  Counter() { ++g_liveCounters; }
  ~Counter() override { --g_liveCounters; }
  STDMETHOD_(int, Next)() override { return ++m_value; }
  STDMETHOD_(const char*, Name)() override { return "counter"; }

  static HRESULT Create(REFIID riid, void** ppv) {
    Counter* counter = new Counter;
    HRESULT hr = counter->QueryInterface(riid, ppv);
    counter->Release();
    return hr;
  }

 private:
  int m_value = 0;
};

class CoCreateInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    com::RegisterClassFactory(CLSID_Counter, &Counter::Create);
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  }
  void TearDown() override {
    CoUninitialize();
    EXPECT_EQ(g_liveCounters.load(), 0) << "a component outlived its last Release";
  }
};

TEST_F(CoCreateInstanceTest, CreatesRegisteredClassAndAnswersForItsInterfaces) {
  ICounter* counter = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_INPROC_SERVER, IID_ICounter,
                             reinterpret_cast<void**>(&counter)),
            S_OK);
  ASSERT_NE(counter, nullptr);
  EXPECT_EQ(counter->Next(), 1);

  INamed* named = nullptr;
  ASSERT_EQ(counter->QueryInterface(IID_INamed, reinterpret_cast<void**>(&named)), S_OK);
  EXPECT_STREQ(named->Name(), "counter");

  // Identity: IUnknown is the same pointer whichever interface it is asked from.
  IUnknown* fromCounter = nullptr;
  IUnknown* fromNamed = nullptr;
  counter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&fromCounter));
  named->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&fromNamed));
  EXPECT_EQ(fromCounter, fromNamed);

  void* unoffered = &unoffered;
  EXPECT_EQ(counter->QueryInterface(IID_IUnoffered, &unoffered), E_NOINTERFACE);
  EXPECT_EQ(unoffered, nullptr);
  EXPECT_EQ(counter->QueryInterface(IID_ICounter, nullptr), E_POINTER);

  fromCounter->Release();
  fromNamed->Release();
  named->Release();
  EXPECT_EQ(g_liveCounters.load(), 1);
  EXPECT_EQ(counter->Release(), 0u);
}

TEST_F(CoCreateInstanceTest, FailuresGiveTheirCodeAndNullOutput) {
  struct Case {
    const char* what;
    REFCLSID clsid;
    DWORD context;
    REFIID iid;
    HRESULT expected;
  };
  const Case cases[] = {
      {"unknown class", CLSID_Missing, CLSCTX_INPROC_SERVER, IID_ICounter, REGDB_E_CLASSNOTREG},
      {"interface not offered", CLSID_Counter, CLSCTX_INPROC_SERVER, IID_IUnoffered, E_NOINTERFACE},
      {"out-of-process only", CLSID_Counter, CLSCTX_LOCAL_SERVER, IID_ICounter, REGDB_E_CLASSNOTREG},
  };
  for (const Case& c : cases) {
    void* out = &out;
    EXPECT_EQ(CoCreateInstance(c.clsid, nullptr, c.context, c.iid, &out), c.expected) << c.what;
    EXPECT_EQ(out, nullptr) << c.what;
  }
  EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_INPROC_SERVER, IID_ICounter, nullptr), E_POINTER);
}

TEST_F(CoCreateInstanceTest, InitialisationIsCounted) {
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE);  // the fixture holds the first
  CoUninitialize();
  CoUninitialize();
  void* out = &out;
  EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_INPROC_SERVER, IID_ICounter, &out),
            CO_E_NOTINITIALIZED);
  EXPECT_EQ(out, nullptr);
  CoUninitialize();  // unbalanced: must not push the count below zero
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_INPROC_SERVER, IID_ICounter, &out), S_OK);
  static_cast<ICounter*>(out)->Release();
}

TEST_F(CoCreateInstanceTest, ReferenceCountingIsSafeAcrossThreads) {
  ICounter* counter = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_INPROC_SERVER, IID_ICounter,
                             reinterpret_cast<void**>(&counter)),
            S_OK);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([counter] {
      for (int i = 0; i < 20000; ++i) {
        counter->AddRef();
        counter->Release();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(g_liveCounters.load(), 1);
  EXPECT_EQ(counter->Release(), 0u);
}

}  // namespace
