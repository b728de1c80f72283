// PNG files through the Windows Imaging Component, which every Windows since
// Vista has: the picture's rows as 24-bit BGR, encoded into memory, so that
// the file itself is written like any other (a temporary file, then a rename).
#include <windows.h>
#include <objidl.h>
#include <wincodec.h>

#include <cstring>
#include <vector>

#include "Win32Services.h"

namespace orvelle::win32 {

namespace {

// Releases a COM object when it goes.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_ != nullptr) p_->Release();
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }

private:
    T* p_ = nullptr;
};

Failure ComFailure(HRESULT result) { return SystemFailure(static_cast<DWORD>(result)); }

}  // namespace

Result<std::vector<std::uint8_t>> Win32PictureEncoder::EncodePng(const TBitmap32& picture) {
    // The program's thread may not have started COM yet; one that has, in
    // another mode, serves just as well for an in-process encoder.
    if (!comStarted_) {
        const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comStarted_ = SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
        if (!comStarted_) return ComFailure(started);
    }
    const UINT width = static_cast<UINT>(picture.Width());
    const UINT height = static_cast<UINT>(picture.Height());

    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.Out()));
    if (FAILED(hr)) return ComFailure(hr);
    ComPtr<IStream> stream;
    if (FAILED(hr = CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()))) return ComFailure(hr);
    ComPtr<IWICBitmapEncoder> encoder;
    if (FAILED(hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out()))) return ComFailure(hr);
    if (FAILED(hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache))) return ComFailure(hr);
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (FAILED(hr = encoder->CreateNewFrame(frame.Out(), options.Out()))) return ComFailure(hr);
    if (FAILED(hr = frame->Initialize(options.Get()))) return ComFailure(hr);
    if (FAILED(hr = frame->SetSize(width, height))) return ComFailure(hr);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(hr = frame->SetPixelFormat(&format))) return ComFailure(hr);
    // The encoder names the format it will write; anything else than what was
    // asked would need a conversion that could change a pixel.
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return ComFailure(WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT);

    const UINT stride = width * 3;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * height);
    for (UINT y = 0; y < height; ++y) {
        const Pixel* in = picture.Row(static_cast<int>(y));
        BYTE* out = rows.data() + static_cast<std::size_t>(y) * stride;
        for (UINT x = 0; x < width; ++x) {
            out[3 * x] = static_cast<BYTE>(in[x]);
            out[3 * x + 1] = static_cast<BYTE>(in[x] >> 8);
            out[3 * x + 2] = static_cast<BYTE>(in[x] >> 16);
        }
    }
    if (FAILED(hr = frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())))
        return ComFailure(hr);
    if (FAILED(hr = frame->Commit())) return ComFailure(hr);
    if (FAILED(hr = encoder->Commit())) return ComFailure(hr);

    STATSTG stat{};
    if (FAILED(hr = stream->Stat(&stat, STATFLAG_NONAME))) return ComFailure(hr);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    const LARGE_INTEGER start{};
    if (FAILED(hr = stream->Seek(start, STREAM_SEEK_SET, nullptr))) return ComFailure(hr);
    ULONG read = 0;
    if (FAILED(hr = stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read))) return ComFailure(hr);
    bytes.resize(read);
    return bytes;
}

}  // namespace orvelle::win32
