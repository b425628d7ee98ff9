// The output file's name and folder: the base name of the video, the smallest free number, the save
// folder made on demand, and the folders and names that cannot be used.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/dshow/ClassRegistration.h"
#include "platform/dshow/FileSinkFilter.h"
#include "platform/dshow/GstFilter.h"
#include "tests/media/MediaTestSupport.h"

namespace {

using namespace mediatest;

TEST(ExtractionBaseName, RunsFromTheLastSlashToTheLastDot) {
  struct Case {
    const char* source;
    const char* base;
  } cases[] = {
      {"/v/clip.avi", "clip"},
      {"/v/my.holiday.avi", "my.holiday"},
      {"clip.avi", "clip"},       // no folder
      {"/v.d/clip", ""},          // the last dot lies in a folder name
      {"/v/clip", ""},            // no dot at all
      {"/v/.avi", ""},            // nothing between the slash and the dot
      {"/v/clip.", "clip"},
      {"/v/", ""},
      {"", ""},
      {"/v/名前 テスト.rmvb", "名前 テスト"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractionBaseName(c.source), c.base) << c.source;
}

class OutputName : public MediaTest {
 protected:
  // Builds the extraction of clip.avi (or `source`) into `saveDir`; the chosen path, or "" on FALSE.
  std::string BuildInto(const std::string& saveDir, const std::string& source = fixtures::Path("clip.avi")) {
    CMediaGraph graph;
    if (!Build(graph, MakeRequest(source, saveDir, 0, 2000))) return "";
    return graph.m_szOutputPath;
  }
};

TEST_F(OutputName, TakesTheSmallestNumberNoEntryUses) {
  struct Case {
    const char* name;
    std::vector<int> takenFiles;
    std::vector<int> takenFolders;
    const char* expected;
  } cases[] = {
      {"empty", {}, {}, "0-clip.mp3"},
      {"first five taken", {0, 1, 2, 3, 4}, {}, "5-clip.mp3"},
      {"a gap", {0, 2}, {}, "1-clip.mp3"},
      {"only later ones taken", {1, 2}, {}, "0-clip.mp3"},
      {"not padded", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, "10-clip.mp3"},
      {"a folder of that name", {}, {0}, "1-clip.mp3"},
      {"files and folders", {0, 2}, {1}, "3-clip.mp3"},
  };
  for (const Case& c : cases) {
    std::string dir = m_folder.Dir(c.name);
    std::filesystem::create_directories(dir);
    for (int n : c.takenFiles) WriteFile(dir + std::to_string(n) + "-clip.mp3", "taken " + std::to_string(n));
    for (int n : c.takenFolders) std::filesystem::create_directory(dir + std::to_string(n) + "-clip.mp3");

    EXPECT_EQ(BuildInto(dir), dir + c.expected) << c.name;
    for (int n : c.takenFiles) {
      EXPECT_EQ(Contents(dir + std::to_string(n) + "-clip.mp3"), "taken " + std::to_string(n)) << c.name;
    }
  }
  EXPECT_TRUE(m_host->Messages().empty());
}

TEST_F(OutputName, AVideoWithoutABaseNameGivesANumberAndHyphenOnly) {
  struct Case {
    const char* source;  // a copy of clip.avi, inside the scratch folder
    bool zeroTaken;
    const char* expected;
  } cases[] = {
      {"nodot/clip", false, "0-.mp3"},
      {"dotted.d/clip", false, "0-.mp3"},
      {"dotted.d/clip", true, "1-.mp3"},
  };
  int caseNumber = 0;
  for (const Case& c : cases) {
    std::string source = m_folder.Path() + "/" + c.source;
    std::filesystem::create_directories(std::filesystem::path(source).parent_path());
    std::filesystem::copy_file(fixtures::Path("clip.avi"), source, std::filesystem::copy_options::overwrite_existing);
    std::string dir = m_folder.Dir("out" + std::to_string(caseNumber++));
    std::filesystem::create_directories(dir);
    if (c.zeroTaken) WriteFile(dir + "0-.mp3", "taken");

    EXPECT_EQ(BuildInto(dir, source), dir + c.expected) << c.source;
  }
}

TEST_F(OutputName, MakesEveryMissingFolderOfTheSavePath) {
  std::string dir = m_folder.Dir("new/nested/folder");

  EXPECT_EQ(BuildInto(dir), dir + "0-clip.mp3");
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  EXPECT_TRUE(m_host->Messages().empty());
}

TEST_F(OutputName, AFolderThatCannotBeMadeIsReportedAndNothingIsWritten) {
  // A path through a regular file cannot become a folder, whoever runs the test.
  WriteFile(m_folder.Path() + "/plain", "not a folder");
  for (const char* sub : {"plain/", "plain/sub/", "plain/sub/deeper/"}) {
    std::string dir = m_folder.Path() + "/" + sub;
    size_t messagesBefore = m_host->Messages().size();

    EXPECT_EQ(BuildInto(dir), "") << sub;
    ASSERT_EQ(m_host->Messages().size(), messagesBefore + 1) << sub;
    EXPECT_NE(m_host->Messages().back().find(dir), std::string::npos) << m_host->Messages().back();
    EXPECT_EQ(Entries(m_folder.Path()), std::vector<std::string>{"plain"}) << sub;
    EXPECT_EQ(Contents(m_folder.Path() + "/plain"), "not a folder");
  }
}

// A folder path of exactly `length` bytes that starts with `dir` and ends in '/'.
std::string FolderOfLength(std::string dir, size_t length) {
  while (dir.size() < length) {
    size_t chunk = std::min<size_t>(length - dir.size(), 61);
    if (length - dir.size() - chunk == 1) --chunk;  // a folder name and its '/' take two bytes at least
    dir += std::string(chunk - 1, 'd') + "/";
  }
  return dir;
}

TEST_F(OutputName, APathLongerThanTheBufferIsReportedAndNothingIsWritten) {
  // The save folder made so long that "0-clip.mp3" ends at byte 259 (fits with its NUL) or at 260.
  const size_t nameLength = std::string("0-clip.mp3").size();
  for (size_t pathLength : {static_cast<size_t>(MAX_PATH - 1), static_cast<size_t>(MAX_PATH)}) {
    bool fits = pathLength < MAX_PATH;
    std::string root = m_folder.Dir(fits ? "fits" : "toolong");
    std::string dir = FolderOfLength(root, pathLength - nameLength);
    size_t messagesBefore = m_host->Messages().size();

    EXPECT_EQ(BuildInto(dir), fits ? dir + "0-clip.mp3" : "") << pathLength;
    ASSERT_EQ(m_host->Messages().size(), messagesBefore + (fits ? 0 : 1)) << pathLength;
    if (!fits) {
      EXPECT_NE(m_host->Messages().back().find("too long"), std::string::npos) << m_host->Messages().back();
      EXPECT_FALSE(std::filesystem::exists(root)) << "folders were made for a file that cannot be written";
    }
  }
}

// The file sink as the program gets it, except that someone else creates the file of the first name
// it is given: the moment between the program finding the name free and the file being created.
class SinkWithRival final : public com::ComObject<IBaseFilter, IFileSinkFilter, IGstFilter> {
 public:
  static std::string& RivalPath() {
    static std::string path;
    return path;
  }
  static HRESULT Create(REFIID riid, void** ppv) {
    auto* sink = new SinkWithRival;
    HRESULT hr = sink->QueryInterface(riid, ppv);
    sink->Release();
    return hr;
  }

  STDMETHOD(GetClassID)(CLSID* clsid) override { return m_filter->GetClassID(clsid); }
  STDMETHOD(SetFileName)(LPCWSTR fileName, const AM_MEDIA_TYPE* mediaType) override {
    if (!m_rivalHasWritten) WriteFile(RivalPath(), "someone else's file");
    m_rivalHasWritten = true;
    return m_file->SetFileName(fileName, mediaType);
  }
  STDMETHOD(GetCurFile)(LPWSTR* fileName, AM_MEDIA_TYPE* mediaType) override {
    return m_file->GetCurFile(fileName, mediaType);
  }
  STDMETHOD(Prepare)() override { return m_gst->Prepare(); }
  STDMETHOD_(GstElement*, Element)() override { return m_gst->Element(); }
  STDMETHOD_(void, Abandon)() override { m_gst->Abandon(); }

 private:
  SinkWithRival() {
    dshow::FileSinkFilter::Create(IID_IBaseFilter, reinterpret_cast<void**>(&m_filter));
    m_filter->QueryInterface(IID_IFileSinkFilter, reinterpret_cast<void**>(&m_file));
    m_filter->QueryInterface(IID_IGstFilter, reinterpret_cast<void**>(&m_gst));
  }
  ~SinkWithRival() override {
    m_gst->Release();
    m_file->Release();
    m_filter->Release();
  }

  IBaseFilter* m_filter = nullptr;
  IFileSinkFilter* m_file = nullptr;
  IGstFilter* m_gst = nullptr;
  bool m_rivalHasWritten = false;
};

TEST_F(OutputName, AFileThatAppearsAfterTheSearchIsNeverOverwritten) {
  struct RestoreRealSink {
    ~RestoreRealSink() { dshow::RegisterClasses(); }
  } restore;
  std::string dir = m_folder.Dir();
  SinkWithRival::RivalPath() = dir + "0-clip.mp3";
  com::RegisterClassFactory(CLSID_FileSinkFilter, &SinkWithRival::Create);

  EXPECT_EQ(BuildInto(dir), dir + "1-clip.mp3");
  EXPECT_EQ(Contents(dir + "0-clip.mp3"), "someone else's file");
  EXPECT_TRUE(m_host->Messages().empty());
}

}  // namespace
