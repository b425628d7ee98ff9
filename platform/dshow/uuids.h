// Class and interface identifiers of the filter graph components.
//
// They are defined in uuids.cpp together with the registration of this layer's classes in the
// component table: a program that names any of them links that registration in.
#pragma once

#include "platform/com/unknwn.h"

extern const CLSID CLSID_FilterGraph;
extern const CLSID CLSID_CaptureGraphBuilder2;
// The file sink filter and the MP3 encoder filter that the program names by their text form.
extern const CLSID CLSID_FileSinkFilter;
extern const CLSID CLSID_Mp3EncoderFilter;
extern const IID IID_IBaseFilter;
extern const IID IID_IFilterGraph;
extern const IID IID_IGraphBuilder;
extern const IID IID_IMediaControl;
extern const IID IID_IVideoWindow;
extern const IID IID_IBasicVideo;
extern const IID IID_IMediaEvent;
extern const IID IID_IMediaEventEx;
extern const IID IID_IMediaSeeking;
extern const IID IID_ICaptureGraphBuilder2;
extern const IID IID_IFileSinkFilter;
extern const IID IID_IAudioEncoderProperties;
