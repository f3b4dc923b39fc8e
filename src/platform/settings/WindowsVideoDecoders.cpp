#include "platform/settings/WindowsVideoDecoders.h"

#include <initguid.h>
#include <mfapi.h>
#include <mfidl.h>
#include <objbase.h>

namespace vistrel {

namespace {

// The decoders registered for one input type; the enumeration reads the registry only.
unsigned decodersFor(const GUID& subtype) {
    const MFT_REGISTER_TYPE_INFO input{MFMediaType_Video, subtype};
    IMFActivate** found = nullptr;
    UINT32 count = 0;
    if (FAILED(MFTEnumEx(MFT_CATEGORY_VIDEO_DECODER, MFT_ENUM_FLAG_ALL, &input, nullptr, &found,
                         &count)))
        return 0;
    for (UINT32 i = 0; i < count; ++i)
        found[i]->Release();
    CoTaskMemFree(found);
    return count;
}

} // namespace

bool windowsDecodesMpeg4Video() {
    return decodersFor(MFVideoFormat_MP4V) > 0 || decodersFor(MFVideoFormat_M4S2) > 0;
}

} // namespace vistrel
