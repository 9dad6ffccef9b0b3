#pragma once
// Win32's numbers, the engine's vocabulary on every target. Only engine code and the
// non-Windows backends include this; the Windows backend takes the same values from windows.h.
#include <cstdint>

// Window messages.
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;

// Key-message lParam bits.
constexpr std::uint32_t KF_ALTDOWN_BIT = 0x20000000;   // bit 29: Alt was held
constexpr std::uint32_t KF_REPEAT_BIT = 0x40000000;    // bit 30: the key was already down
constexpr std::uint32_t KF_UP_BIT = 0x80000000;        // bit 31: the key is being released
constexpr int WHEEL_DELTA = 120;

// Virtual-key codes.
constexpr std::uint8_t VK_LBUTTON = 0x01;
constexpr std::uint8_t VK_RBUTTON = 0x02;
constexpr std::uint8_t VK_MBUTTON = 0x04;
constexpr std::uint8_t VK_BACK = 0x08;
constexpr std::uint8_t VK_TAB = 0x09;
constexpr std::uint8_t VK_RETURN = 0x0D;
constexpr std::uint8_t VK_SHIFT = 0x10;
constexpr std::uint8_t VK_CONTROL = 0x11;
constexpr std::uint8_t VK_MENU = 0x12;
constexpr std::uint8_t VK_PAUSE = 0x13;
constexpr std::uint8_t VK_CAPITAL = 0x14;
constexpr std::uint8_t VK_ESCAPE = 0x1B;
constexpr std::uint8_t VK_SPACE = 0x20;
constexpr std::uint8_t VK_PRIOR = 0x21;
constexpr std::uint8_t VK_NEXT = 0x22;
constexpr std::uint8_t VK_END = 0x23;
constexpr std::uint8_t VK_HOME = 0x24;
constexpr std::uint8_t VK_LEFT = 0x25;
constexpr std::uint8_t VK_UP = 0x26;
constexpr std::uint8_t VK_RIGHT = 0x27;
constexpr std::uint8_t VK_DOWN = 0x28;
constexpr std::uint8_t VK_INSERT = 0x2D;
constexpr std::uint8_t VK_DELETE = 0x2E;
constexpr std::uint8_t VK_SNAPSHOT = 0x2C;
constexpr std::uint8_t VK_LWIN = 0x5B;
constexpr std::uint8_t VK_RWIN = 0x5C;
constexpr std::uint8_t VK_APPS = 0x5D;
constexpr std::uint8_t VK_NUMPAD0 = 0x60;
constexpr std::uint8_t VK_MULTIPLY = 0x6A;
constexpr std::uint8_t VK_ADD = 0x6B;
constexpr std::uint8_t VK_SEPARATOR = 0x6C;
constexpr std::uint8_t VK_SUBTRACT = 0x6D;
constexpr std::uint8_t VK_DECIMAL = 0x6E;
constexpr std::uint8_t VK_DIVIDE = 0x6F;
constexpr std::uint8_t VK_F1 = 0x70;
constexpr std::uint8_t VK_F4 = 0x73;
constexpr std::uint8_t VK_F10 = 0x79;
constexpr std::uint8_t VK_F11 = 0x7A;
constexpr std::uint8_t VK_F13 = 0x7C;
constexpr std::uint8_t VK_NUMLOCK = 0x90;
constexpr std::uint8_t VK_SCROLL = 0x91;
constexpr std::uint8_t VK_OEM_1 = 0xBA;       // ;:
constexpr std::uint8_t VK_OEM_PLUS = 0xBB;    // =+
constexpr std::uint8_t VK_OEM_COMMA = 0xBC;   // ,<
constexpr std::uint8_t VK_OEM_MINUS = 0xBD;   // -_
constexpr std::uint8_t VK_OEM_PERIOD = 0xBE;  // .>
constexpr std::uint8_t VK_OEM_2 = 0xBF;       // /?
constexpr std::uint8_t VK_OEM_3 = 0xC0;       // `~, the key left of 1
constexpr std::uint8_t VK_OEM_4 = 0xDB;       // [{
constexpr std::uint8_t VK_OEM_5 = 0xDC;       // \|
constexpr std::uint8_t VK_OEM_6 = 0xDD;       // ]}
constexpr std::uint8_t VK_OEM_7 = 0xDE;       // '"
constexpr std::uint8_t VK_OEM_102 = 0xE2;     // the ISO key left of Z

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// MessageBoxA styles.
constexpr std::uint32_t MB_OK = 0x00000000;
constexpr std::uint32_t MB_ICONERROR = 0x00000010;
constexpr std::uint32_t MB_SYSTEMMODAL = 0x00001000;
constexpr std::uint32_t MB_SETFOREGROUND = 0x00010000;
constexpr std::uint32_t MB_TOPMOST = 0x00040000;

// Window class and window styles.
constexpr std::uint32_t CS_VREDRAW = 0x0001;
constexpr std::uint32_t CS_HREDRAW = 0x0002;
constexpr std::uint32_t CS_OWNDC = 0x0020;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;

// Display settings.
constexpr std::uint32_t DM_BITSPERPEL = 0x00040000;
constexpr std::uint32_t DM_PELSWIDTH = 0x00080000;
constexpr std::uint32_t DM_PELSHEIGHT = 0x00100000;
constexpr std::uint32_t DM_DISPLAYFREQUENCY = 0x00400000;
constexpr std::uint32_t CDS_FULLSCREEN = 0x00000004;
constexpr std::int32_t DISP_CHANGE_SUCCESSFUL = 0;
constexpr std::int32_t DISP_CHANGE_FAILED = -1;
constexpr std::int32_t DISP_CHANGE_BADMODE = -2;
constexpr std::uint16_t DEVMODE_SIZE = 156;  // sizeof(DEVMODEA)

// Pixel format.
constexpr std::uint32_t PFD_DOUBLEBUFFER = 0x00000001;
constexpr std::uint32_t PFD_DRAW_TO_WINDOW = 0x00000004;
constexpr std::uint32_t PFD_SUPPORT_OPENGL = 0x00000020;
constexpr std::uint8_t PFD_TYPE_RGBA = 0;
constexpr std::uint8_t PFD_MAIN_PLANE = 0;

// GDI fonts.
constexpr std::int32_t FW_EXTRALIGHT = 200;
constexpr std::int32_t FW_NORMAL = 400;
constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t OUT_TT_PRECIS = 4;
constexpr std::uint8_t OUT_TT_ONLY_PRECIS = 7;
constexpr std::uint8_t CLIP_DEFAULT_PRECIS = 0;
constexpr std::uint8_t ANTIALIASED_QUALITY = 4;
constexpr std::uint8_t PROOF_QUALITY = 2;
constexpr std::uint8_t DEFAULT_PITCH = 0;
constexpr std::uint8_t FF_SWISS = 0x20;
constexpr std::uint8_t FF_MODERN = 0x30;

// A COLORREF: red in the low byte.
constexpr std::uint32_t RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8) | (static_cast<std::uint32_t>(blue) << 16);
}

// Two 16-bit halves in one message parameter, low half first.
constexpr std::uint32_t MAKELONG(std::uint16_t low, std::uint16_t high) {
    return low | (static_cast<std::uint32_t>(high) << 16);
}

// The signed wheel delta in the high half of WM_MOUSEWHEEL's wParam.
constexpr std::int16_t GET_WHEEL_DELTA_WPARAM(std::uintptr_t wParam) {
    return static_cast<std::int16_t>((wParam >> 16) & 0xFFFF);
}
