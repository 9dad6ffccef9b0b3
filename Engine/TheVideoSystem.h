#pragma once
#include <cstdint>
#include <string>

#include "AssertionFailure.h"
#include "DisplayMode.h"
#include "Platform/Platform.h"

// The display-mode table, the one window and its OpenGL context.
class TheVideoSystem {
public:
    static constexpr std::uint32_t MAX_VID_MODES = 1024;

    TheVideoSystem();
    ~TheVideoSystem();

    void Startup();
    void Shutdown();
    void SwapBuffers();

    void SetDesiredDisplayMode(int width, int height, int bitsPerPixel, int refreshRate, bool fullscreen);
    std::uint32_t FindClosestDisplayMode(int width, int height, int bitsPerPixel, int refreshRate,
                                         bool fullscreen) const;
    std::uint32_t SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate, bool fullscreen);
    bool IsDisplayModeWindowed(std::uint32_t vidMode) const;
    std::string GetDisplayModeDescription(std::uint32_t vidMode) const;
    int GetWidth() const;
    int GetHeight() const;
    std::uint32_t GetNumDisplayModes() const { return _numVidModes; }
    std::uint32_t GetCurrentDisplayMode() const { return _currentVidMode; }
    const Rect& GetWindowRect() const { return _windowRect; }
    DeviceContextHandle GetDeviceContext() const { return _hDC; }

    static WindowHandle GetWindowHandle() { return _hWnd; }

    // Start-up steps, in the order Startup runs them.
    void _GetDesktopCharacteristics();
    std::uint32_t _EnumerateDisplayModes();
    void _SelectDesiredDisplayMode();
    void _CreateRenderingWindow();

    std::uint32_t _CreateWindowedDisplayMode(int width, int height, int bitsPerPixel);
    void _ListDisplayModes();
    void _SetCurrentDisplayMode(std::uint32_t vidMode, bool force);

private:
    const DeviceMode& _Mode(std::uint32_t vidMode) const { return _vidModes[vidMode]->platformRecord; }
    void _EnumerateDriverModes();
    void _FitWindowRectToDesktop();
    void _CreateRenderingContextForWindow(WindowHandle window, const PixelFormatDescriptor& descriptor);
    void _DrawGDIPlaque(const char* format, ...) ENGINE_PRINTF_FORMAT(2, 3);

    const char* _windowClassName;
    int _desiredWidth;
    int _desiredHeight;
    int _desiredBitsPerPixel;
    int _desiredRefreshRate;
    int _depthBufferBits;
    int _desiredFullscreen;
    DisplayMode* _vidModes[MAX_VID_MODES];
    std::uint32_t _numVidModes;
    std::uint32_t _currentVidMode;

    Rect _clientRect;
    Rect _windowRect;
    Rect _desktopRect;
    DeviceContextHandle _hDC;
    RenderingContextHandle _hRC;

    static WindowHandle _hWnd;
    static bool _isInitialized;
};

extern TheVideoSystem theVideoSystem;
