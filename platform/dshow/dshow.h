// The filter graph API a program includes: interfaces, identifiers, event and result codes.
#pragma once

#include "platform/com/objbase.h"
#include "platform/dshow/control.h"
#include "platform/dshow/evcode.h"
#include "platform/dshow/mp3enc.h"
#include "platform/dshow/strmif.h"
#include "platform/dshow/uuids.h"
#include "platform/dshow/vfwmsgs.h"

COM_INTERFACE_ID(IBaseFilter, IID_IBaseFilter)
COM_INTERFACE_ID(IFilterGraph, IID_IFilterGraph)
COM_INTERFACE_ID(IGraphBuilder, IID_IGraphBuilder)
COM_INTERFACE_ID(ICaptureGraphBuilder2, IID_ICaptureGraphBuilder2)
COM_INTERFACE_ID(IFileSinkFilter, IID_IFileSinkFilter)
COM_INTERFACE_ID(IMediaSeeking, IID_IMediaSeeking)
COM_INTERFACE_ID(IMediaControl, IID_IMediaControl)
COM_INTERFACE_ID(IMediaEvent, IID_IMediaEvent)
COM_INTERFACE_ID(IMediaEventEx, IID_IMediaEventEx)
COM_INTERFACE_ID(IVideoWindow, IID_IVideoWindow)
COM_INTERFACE_ID(IBasicVideo, IID_IBasicVideo)
COM_INTERFACE_ID(IAudioEncoderProperties, IID_IAudioEncoderProperties)
