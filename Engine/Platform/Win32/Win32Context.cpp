#include "../Platform.h"
#include "Win32Api.h"

namespace {

PIXELFORMATDESCRIPTOR NativeDescriptor(const PixelFormatDescriptor& descriptor) {
    PIXELFORMATDESCRIPTOR native = {};
    native.nSize = descriptor.nSize;
    native.nVersion = descriptor.nVersion;
    native.dwFlags = descriptor.dwFlags;
    native.iPixelType = descriptor.iPixelType;
    native.cColorBits = descriptor.cColorBits;
    native.cAccumBits = descriptor.cAccumBits;
    native.cDepthBits = descriptor.cDepthBits;
    native.cStencilBits = descriptor.cStencilBits;
    native.iLayerType = descriptor.iLayerType;
    return native;
}

HDC NativeDc(DeviceContextHandle dc) { return static_cast<HDC>(dc); }

}  // namespace

int Platform::ChoosePixelFormat(DeviceContextHandle dc, const PixelFormatDescriptor& descriptor) {
    const PIXELFORMATDESCRIPTOR native = NativeDescriptor(descriptor);
    return ::ChoosePixelFormat(NativeDc(dc), &native);
}

bool Platform::SetPixelFormat(DeviceContextHandle dc, int pixelFormat, const PixelFormatDescriptor& descriptor) {
    const PIXELFORMATDESCRIPTOR native = NativeDescriptor(descriptor);
    return ::SetPixelFormat(NativeDc(dc), pixelFormat, &native) != FALSE;
}

RenderingContextHandle Platform::CreateContext(DeviceContextHandle dc) { return ::wglCreateContext(NativeDc(dc)); }

bool Platform::MakeCurrent(DeviceContextHandle dc, RenderingContextHandle rc) {
    return ::wglMakeCurrent(NativeDc(dc), static_cast<HGLRC>(rc)) != FALSE;
}

void Platform::SwapBuffers(DeviceContextHandle dc) { ::SwapBuffers(NativeDc(dc)); }
