#pragma once
// RegisterClassA where the system has no window classes of its own (SDL, the browser): the
// one class's name is kept, and a window may be created with it alone.
bool IsRegisteredClass(const char* className);
