#include "WindowClassNames.h"

#include <string>

#include "Platform.h"

namespace {

std::string& RegisteredClassName() {
    static std::string name;
    return name;
}

}  // namespace

bool Platform::RegisterClassA(const WindowClass& windowClass) {
    if (windowClass.className == nullptr) return false;
    RegisteredClassName() = windowClass.className;
    return true;
}

bool IsRegisteredClass(const char* className) { return className != nullptr && RegisteredClassName() == className; }
