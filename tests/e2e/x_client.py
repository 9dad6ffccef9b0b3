"""One connection to an X server, kept open for a whole test, through which the test asks
about windows, moves the keyboard focus, presses keys (XTEST), destroys windows and reads the
screen.

Why not a new xwininfo, xdotool or import for each question: the X server (21.1) closes a new
connection that it accepts in the same turn in which it closes another client's, so every
short-lived client of the test could make the game's own connection fail at start-up."""
import ctypes
import ctypes.util

Window = ctypes.c_ulong
REVERT_TO_PARENT, CURRENT_TIME, IS_VIEWABLE, Z_PIXMAP, LSB_FIRST = 2, 0, 2, 2, 0
ALL_PLANES = ctypes.c_ulong(-1).value


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", Window), ("window_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class TextProperty(ctypes.Structure):
    _fields_ = [("value", ctypes.POINTER(ctypes.c_char)), ("encoding", ctypes.c_ulong), ("format", ctypes.c_int),
                ("nitems", ctypes.c_ulong)]


class ClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_void_p), ("res_class", ctypes.c_void_p)]


class Image(ctypes.Structure):
    """The leading fields of Xlib's XImage, all that is read here."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


def _load():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xtest = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
    signatures = [
        (xlib.XOpenDisplay, [ctypes.c_char_p], ctypes.c_void_p),
        (xlib.XCloseDisplay, [ctypes.c_void_p], ctypes.c_int),
        (xlib.XSetErrorHandler, [ERROR_HANDLER], ctypes.c_void_p),
        (xlib.XDefaultRootWindow, [ctypes.c_void_p], Window),
        (xlib.XQueryTree, [ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(Window),
                           ctypes.POINTER(ctypes.POINTER(Window)), ctypes.POINTER(ctypes.c_uint)], ctypes.c_int),
        (xlib.XGetWMName, [ctypes.c_void_p, Window, ctypes.POINTER(TextProperty)], ctypes.c_int),
        (xlib.XFree, [ctypes.c_void_p], ctypes.c_int),
        (xlib.XGetWindowAttributes, [ctypes.c_void_p, Window, ctypes.POINTER(WindowAttributes)], ctypes.c_int),
        (xlib.XGetInputFocus, [ctypes.c_void_p, ctypes.POINTER(Window), ctypes.POINTER(ctypes.c_int)], ctypes.c_int),
        (xlib.XSetInputFocus, [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_ulong], ctypes.c_int),
        (xlib.XDestroyWindow, [ctypes.c_void_p, Window], ctypes.c_int),
        (xlib.XStringToKeysym, [ctypes.c_char_p], ctypes.c_ulong),
        (xlib.XKeysymToKeycode, [ctypes.c_void_p, ctypes.c_ulong], ctypes.c_ubyte),
        (xlib.XSync, [ctypes.c_void_p, ctypes.c_int], ctypes.c_int),
        (xlib.XGetImage, [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                          ctypes.c_ulong, ctypes.c_int], ctypes.POINTER(Image)),
        (xlib.XDestroyImage, [ctypes.POINTER(Image)], ctypes.c_int),
        (xlib.XGetClassHint, [ctypes.c_void_p, Window, ctypes.POINTER(ClassHint)], ctypes.c_int),
        (xlib.XInternAtom, [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int], ctypes.c_ulong),
        (xlib.XGetWindowProperty, [ctypes.c_void_p, Window, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
                                   ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_void_p)], ctypes.c_int),
        (xtest.XTestFakeKeyEvent, [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong], ctypes.c_int),
    ]
    for function, arguments, result in signatures:
        function.argtypes, function.restype = arguments, result
    return xlib, xtest


XLIB, XTEST = _load()
# A window that vanishes between two questions answers with an X error; the question then
# simply has no answer (Xlib's own handler would end the test).
_IGNORE_ERRORS = ERROR_HANDLER(lambda display, event: 0)
XLIB.XSetErrorHandler(_IGNORE_ERRORS)


class XClient:
    def __init__(self, display_name):
        self.display = XLIB.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError("cannot open the display %s" % display_name)
        self.root = XLIB.XDefaultRootWindow(self.display)

    def close(self):
        XLIB.XCloseDisplay(self.display)

    def settle(self):
        """Returns once the server has dealt with every client that closed before the call: the
        server resets a connection it accepts in the same turn as it closes another's, so a
        program started right after another ended waits for this first."""
        XLIB.XSync(self.display, False)
        XLIB.XSync(self.display, False)

    def top_level_windows(self):
        """The root's children (with no window manager, the top-level windows), bottom first."""
        root, parent, count = Window(), Window(), ctypes.c_uint()
        children = ctypes.POINTER(Window)()
        if not XLIB.XQueryTree(self.display, self.root, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        windows = [children[i] for i in range(count.value)]
        if children:
            XLIB.XFree(children)
        return windows

    def name(self, window):
        """The window's name (WM_NAME, in whichever encoding: the names here are ASCII), or None
        for a window without one or gone."""
        name = TextProperty()
        if not XLIB.XGetWMName(self.display, window, ctypes.byref(name)) or not name.value:
            return None
        text = ctypes.string_at(name.value, name.nitems).decode("utf-8", "replace")
        XLIB.XFree(name.value)
        return text

    def class_hint(self, window):
        """The window's WM_CLASS: (instance name, class name)."""
        hint = ClassHint()
        if not XLIB.XGetClassHint(self.display, window, ctypes.byref(hint)):
            return None
        answer = tuple(ctypes.string_at(text).decode() for text in (hint.res_name, hint.res_class))
        for text in (hint.res_name, hint.res_class):
            XLIB.XFree(text)
        return answer

    def cardinals(self, window, name):
        """A property of 32-bit items (CARDINAL), such as _NET_WM_ICON, as a list of numbers."""
        atom = XLIB.XInternAtom(self.display, name.encode(), True)
        kind, unit, count, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.c_void_p()
        if not atom or XLIB.XGetWindowProperty(self.display, window, atom, 0, 1 << 24, False, 0, ctypes.byref(kind),
                                               ctypes.byref(unit), ctypes.byref(count), ctypes.byref(left),
                                               ctypes.byref(data)) != 0 or not data.value:
            return []
        # Xlib hands out each 32-bit item in a long, sign-extended.
        items = [item & 0xFFFFFFFF for item in ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[:count.value]]
        XLIB.XFree(data)
        return items

    def attributes(self, window):
        """The window's attributes, or None for a window that is gone."""
        attributes = WindowAttributes()
        return attributes if XLIB.XGetWindowAttributes(self.display, window, ctypes.byref(attributes)) else None

    def is_viewable(self, window):
        attributes = self.attributes(window)
        return attributes is not None and attributes.map_state == IS_VIEWABLE

    def focused_window(self):
        focus, revert = Window(), ctypes.c_int()
        XLIB.XGetInputFocus(self.display, ctypes.byref(focus), ctypes.byref(revert))
        return focus.value

    def set_focus(self, window):
        XLIB.XSetInputFocus(self.display, window, REVERT_TO_PARENT, CURRENT_TIME)
        XLIB.XSync(self.display, False)

    def destroy(self, window):
        """Destroys another client's window, as a hostile or broken client could."""
        XLIB.XDestroyWindow(self.display, window)
        XLIB.XSync(self.display, False)

    def press(self, key):
        """A press and a release of the key of that keysym name ("Escape", "grave", "F11")."""
        code = XLIB.XKeysymToKeycode(self.display, XLIB.XStringToKeysym(key.encode()))
        if code == 0:
            raise ValueError("no key for %r" % key)
        for is_down in (True, False):
            XTEST.XTestFakeKeyEvent(self.display, code, is_down, CURRENT_TIME)
        XLIB.XSync(self.display, False)

    def screen_rgb(self, width, height):
        """The screen's pixels as red, green, blue bytes, rows from the top (a 24-bit screen)."""
        image = XLIB.XGetImage(self.display, self.root, 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise RuntimeError("the screen could not be read")
        try:
            contents = image.contents
            if contents.bits_per_pixel != 32 or contents.byte_order != LSB_FIRST:
                raise RuntimeError("a screen image of an unexpected layout")
            stride = contents.bytes_per_line
            data = ctypes.string_at(contents.data, stride * height)
        finally:
            XLIB.XDestroyImage(image)
        pixels = b"".join(data[y * stride:y * stride + width * 4] for y in range(height))  # blue, green, red, unused
        rgb = bytearray(width * height * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
        return bytes(rgb)
