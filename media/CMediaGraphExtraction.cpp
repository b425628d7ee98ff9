// The media graph object's extraction: the encoder graph, the output name, the range, and the
// progress loop.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "media/CMediaGraph.h"
#include "platform/afx/afxcmn.h"
#include "platform/afx/afxwin.h"
#include "platform/shell/imagehlp.h"

namespace {

const char kEncoderClsid[] = "B8D27088-DF5F-4B7C-98DC-0E91A1696286";
const char kEncoderPropertiesIid[] = "ca7e9ef0-1cbe-11d3-8d29-00a0c94bbfee";
const char kFileSinkClsid[] = "36A5F770-FE4C-11CE-A8ED-00AA002FEAB5";
const char kForeignCodeFailure[] =
    "Please download the latest version(Directx,Window Media Format runtime) from our homePage";
// How often the chosen name may be taken by someone else before giving up.
const int kCreateAttempts = 100;

void ShowError(const std::string& text) { AfxMessageBox(text.c_str(), MB_OK | MB_ICONERROR); }

bool IsWritableDirectory(const char* pszDir) {
  struct stat st {};
  return stat(pszDir, &st) == 0 && S_ISDIR(st.st_mode) && access(pszDir, W_OK | X_OK) == 0;
}

// The candidate for number n: the folder, "<n>-" and the base name with ".mp3".
std::string OutputCandidate(const std::string& strDir, int n, const std::string& strName) {
  return strDir + std::to_string(n) + "-" + strName;
}

// m_szOutputPath holds the whole path and its terminator.
bool FitsOutputPath(const std::string& strPath) {
  if (strPath.size() < MAX_PATH) return true;
  ShowError("The output file's path would be too long:\n" + strPath +
            "\nPlease choose a save folder with a shorter path.");
  return false;
}

}  // namespace

std::string ExtractionBaseName(const char* pszSourcePath) {
  std::string path(pszSourcePath);
  long nSlash = static_cast<long>(path.rfind('/'));  // npos becomes -1
  long nDot = static_cast<long>(path.rfind('.'));
  long nStart = nSlash + 1;
  long nLength = nDot - nSlash - 1;
  if (nLength <= 0 || nStart >= static_cast<long>(path.size())) return "";
  return path.substr(static_cast<size_t>(nStart), static_cast<size_t>(nLength));
}

LONGLONG ExpectedOutputSize(REFERENCE_TIME rtLength, int nByteRate) {
  return static_cast<LONGLONG>(static_cast<double>(rtLength) * nByteRate * 1e-7);
}

LONGLONG ProgressPercent(ULONGLONG nSize, LONGLONG nExpectedSize) {
  if (nExpectedSize <= 0) return 0;
  // 128-bit so that no file size can overflow the multiplication.
  return static_cast<LONGLONG>(static_cast<unsigned __int128>(nSize) * 100 / static_cast<ULONGLONG>(nExpectedSize));
}

BOOL CMediaGraph::BuildExtractionGraph(const ExtractRequest& request) {
  if (m_pGraphBuilder == nullptr) {
    ShowError("The media engine could not be started, so nothing was extracted.");
    return FALSE;
  }
  if (!CreateEncoder(request) || !CreateSink()) return FALSE;
  // Number 0 gives the shortest name: when even that does not fit, no folder is made for it.
  if (!FitsOutputPath(OutputCandidate(request.szSaveDir, 0, ExtractionBaseName(request.szSourcePath) + ".mp3"))) {
    return FALSE;
  }
  if (!PrepareSaveDirectory(request.szSaveDir)) return FALSE;
  if (!ChooseFreeOutputName(request.szSourcePath)) return FALSE;

  GiveSinkItsFile();
  m_pGraphBuilder->AddFilter(m_pFileSink, u"Dest");
  m_pGraphBuilder->AddFilter(m_pEncoder, u"Lame");
  WCHAR wszSource[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, request.szSourcePath, -1, wszSource, MAX_PATH);
  m_pGraphBuilder->AddSourceFilter(wszSource, u"Source", &m_pSource);
  CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER, IID_ICaptureGraphBuilder2,
                   reinterpret_cast<void**>(&m_pCaptureBuilder));
  if (m_pCaptureBuilder != nullptr) m_pCaptureBuilder->SetFiltergraph(m_pGraphBuilder);

  BOOL bConnected = FALSE;
  try {
    bConnected = ConnectExtractionChain(request);
  } catch (...) {
    AfxMessageBox(kForeignCodeFailure, MB_OK);
    return FALSE;
  }
  if (!bConnected) return FALSE;
  SetRange(request);
  return TRUE;
}

BOOL CMediaGraph::CreateEncoder(const ExtractRequest& request) {
  CLSID clsidEncoder{};
  IID iidProperties{};
  UuidFromStringA(kEncoderClsid, &clsidEncoder);
  UuidFromStringA(kEncoderPropertiesIid, &iidProperties);
  CoCreateInstance(clsidEncoder, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(&m_pEncoder));
  IAudioEncoderProperties* pProperties = nullptr;
  if (m_pEncoder != nullptr) m_pEncoder->QueryInterface(iidProperties, reinterpret_cast<void**>(&pProperties));
  if (pProperties == nullptr) {
    ShowError("The MP3 encoder is not available on this system, so nothing was extracted.");
    return FALSE;
  }
  pProperties->set_SampleRate(static_cast<DWORD>(request.nSampleRate));
  pProperties->set_Bitrate(static_cast<DWORD>(request.nByteRate * 8 / 1000));
  pProperties->set_ChannelMode(request.bStereo ? MP3_CHANNELS_STEREO : MP3_CHANNELS_MONO);
  pProperties->Release();
  return TRUE;
}

BOOL CMediaGraph::CreateSink() {
  CLSID clsidSink{};
  UuidFromStringA(kFileSinkClsid, &clsidSink);
  CoCreateInstance(clsidSink, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, reinterpret_cast<void**>(&m_pFileSink));
  if (m_pFileSink == nullptr) {
    ShowError("The file writer of the media engine is not available, so nothing was extracted.");
    return FALSE;
  }
  return TRUE;
}

BOOL CMediaGraph::PrepareSaveDirectory(const char* pszSaveDir) {
  std::snprintf(m_szOutputPath, sizeof(m_szOutputPath), "%s", pszSaveDir);
  if (m_szOutputPath[0] == '\0') {
    ShowError("No save folder is set. Please choose one with the Save directory button.");
    return FALSE;
  }
  if (!MakeSureDirectoryPathExists(m_szOutputPath) || !IsWritableDirectory(m_szOutputPath)) {
    ShowError(std::string("The save folder cannot be created or written to:\n") + m_szOutputPath +
              "\nPlease choose another folder with the Save directory button.");
    return FALSE;
  }
  return TRUE;
}

BOOL CMediaGraph::ChooseFreeOutputName(const char* pszSourcePath) {
  std::string strDir(m_szOutputPath);
  std::string strName = ExtractionBaseName(pszSourcePath) + ".mp3";
  for (int n = 0;; ++n) {
    std::string strCandidate = OutputCandidate(strDir, n, strName);
    if (!FitsOutputPath(strCandidate)) return FALSE;
    CFileFind finder;
    if (finder.FindFile(strCandidate.c_str())) continue;
    std::memcpy(m_szOutputPath, strCandidate.c_str(), strCandidate.size() + 1);
    return TRUE;
  }
}

// The sink's file-name interface is held only for this call.
void CMediaGraph::GiveSinkItsFile() {
  IFileSinkFilter* pSinkFile = nullptr;
  m_pFileSink->QueryInterface(IID_IFileSinkFilter, reinterpret_cast<void**>(&pSinkFile));
  if (pSinkFile == nullptr) return;
  WCHAR wszOutput[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, m_szOutputPath, -1, wszOutput, MAX_PATH);
  pSinkFile->SetFileName(wszOutput, nullptr);
  pSinkFile->Release();
}

BOOL CMediaGraph::ConnectExtractionChain(const ExtractRequest& request) {
  if (m_pCaptureBuilder == nullptr || m_pSource == nullptr) {
    ShowError(std::string("This file cannot be read:\n") + request.szSourcePath);
    return FALSE;
  }
  std::string strSaveDir(request.szSaveDir);
  for (int nAttempt = 0; nAttempt < kCreateAttempts; ++nAttempt) {
    HRESULT hr = m_pCaptureBuilder->RenderStream(nullptr, nullptr, m_pSource, m_pEncoder, m_pFileSink);
    if (SUCCEEDED(hr)) return TRUE;
    if (hr == HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)) {
      // The chosen name appeared after it was found free: it is never overwritten; the next free
      // number is taken instead.
      std::snprintf(m_szOutputPath, sizeof(m_szOutputPath), "%s", strSaveDir.c_str());
      if (!ChooseFreeOutputName(request.szSourcePath)) return FALSE;
      GiveSinkItsFile();
      continue;
    }
    if (hr == HRESULT_FROM_WIN32(ERROR_DISK_FULL)) {
      ShowError(std::string("The disk is full; the output file cannot be written:\n") + m_szOutputPath);
    } else if (hr == E_ACCESSDENIED || hr == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)) {
      ShowError(std::string("The output file cannot be created:\n") + m_szOutputPath);
    } else {
      ShowError(std::string("This video has no sound track that can be extracted, so no MP3 file was written:\n") +
                request.szSourcePath);
    }
    return FALSE;
  }
  ShowError(std::string("No free output file name could be created in:\n") + strSaveDir);
  return FALSE;
}

void CMediaGraph::SetRange(const ExtractRequest& request) {
  LONGLONG llStartMs = request.llStartMs < 1000 ? 0 : request.llStartMs;
  m_rtStart = llStartMs * 10000;
  m_rtStop = request.llEndMs * 10000;
  REFERENCE_TIME rtDuration = GetDuration();
  if (m_rtStop > rtDuration) m_rtStop = rtDuration;
  m_rtLength = m_rtStop - m_rtStart + 1;
  m_nExpectedSize = ExpectedOutputSize(m_rtLength, request.nByteRate);
}

void CMediaGraph::RunExtraction(CProgressCtrl* pProgress) {
  if (m_pMediaSeeking != nullptr) {
    m_pMediaSeeking->SetPositions(&m_rtStart, AM_SEEKING_AbsolutePositioning, &m_rtStop,
                                  AM_SEEKING_AbsolutePositioning);
  }
  try {
    if (m_pMediaControl != nullptr) m_pMediaControl->Run();
    LONG lEventCode = 0;
    ULONGLONG nSize = 0;
    while (lEventCode != EC_COMPLETE && !m_bCancel) {
      if (m_pMediaEvent != nullptr) m_pMediaEvent->WaitForCompletion(250, &lEventCode);
      CFileStatus status;
      if (CFile::GetStatus(m_szOutputPath, status)) nSize = status.m_size;
      if (m_nExpectedSize != 0) {
        LONGLONG nPercent = ProgressPercent(nSize, m_nExpectedSize);
        pProgress->SetPos(static_cast<int>(nPercent > 100 ? 100 : nPercent));
        if (nPercent >= 100) m_bCancel = TRUE;
      }
      if (lEventCode == EC_ERRORABORT || lEventCode == EC_USERABORT) {
        // Without this the loop would wait for Cancel on a graph that has stopped for good.
        ShowError(std::string("The extraction stopped because of an error (the video could not be read further, "
                              "the disk is full, or the output file was removed).\nWhat was written so far is "
                              "kept in:\n") +
                  m_szOutputPath);
        break;
      }
      MSG msg;
      if (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
      }
    }
  } catch (...) {
    AfxMessageBox(kForeignCodeFailure, MB_OK);
  }
  if (m_pMediaControl != nullptr) m_pMediaControl->Stop();
  pProgress->SetPos(100);
}
