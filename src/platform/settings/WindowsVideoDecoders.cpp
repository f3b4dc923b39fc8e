#include "platform/settings/WindowsVideoDecoders.h"

#include <future>

#include <initguid.h>
#include <mfapi.h>
#include <mfidl.h>
#include <objbase.h>

namespace vistrel {

namespace {

using EnumerateDecoders = HRESULT(WINAPI*)(GUID category, UINT32 flags,
                                           const MFT_REGISTER_TYPE_INFO* input,
                                           const MFT_REGISTER_TYPE_INFO* output,
                                           IMFActivate*** found, UINT32* count);

// The decoders registered for one input type; the enumeration reads the registry only.
unsigned decodersFor(EnumerateDecoders enumerate, const GUID& subtype) {
    const MFT_REGISTER_TYPE_INFO input{MFMediaType_Video, subtype};
    IMFActivate** found = nullptr;
    UINT32 count = 0;
    if (FAILED(enumerate(MFT_CATEGORY_VIDEO_DECODER, MFT_ENUM_FLAG_ALL, &input, nullptr, &found,
                         &count)))
        return 0;
    for (UINT32 i = 0; i < count; ++i)
        found[i]->Release();
    CoTaskMemFree(found);
    return count;
}

} // namespace

bool windowsDecodesMpeg4Video() {
    // Loaded here rather than linked: nothing else of the program needs Media Foundation.
    const HMODULE platform = LoadLibraryExW(L"mfplat.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!platform)
        return false;
    const auto enumerate = reinterpret_cast<EnumerateDecoders>(
        reinterpret_cast<void*>(GetProcAddress(platform, "MFTEnumEx")));
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    bool decodes = false;
    // MPEG-4 Part 2 by the names Media Foundation and codec packs register it under.
    for (const GUID& subtype : {MFVideoFormat_MP4V, MFVideoFormat_M4S2, MFVideoFormat_MP4S})
        decodes = decodes || (enumerate && decodersFor(enumerate, subtype) > 0);
    if (com)
        CoUninitialize();
    return decodes;
}

std::function<bool()> startWindowsCodecTest() {
    std::shared_future<bool> answer = std::async(std::launch::async, windowsDecodesMpeg4Video);
    return [answer] { return answer.get(); };
}

} // namespace vistrel
