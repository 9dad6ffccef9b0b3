#include "TheGameInterfaceAbstract.h"

#include "AssertionFailure.h"

bool TheGameInterfaceAbstract::_isConstructed = false;
TheGameInterfaceAbstract* TheGameInterfaceAbstract::_instance = nullptr;

TheGameInterfaceAbstract::TheGameInterfaceAbstract() {
    ASSERT_ALL_BUILDS(!_isConstructed,
                      "TheGameInterfaceAbstract was already constructed once - cannot have multiple instances!");
    _instance = this;
    _isConstructed = true;
}

TheGameInterfaceAbstract::~TheGameInterfaceAbstract() {
    ASSERT_ALL_BUILDS(_isConstructed, "TheGameInterfaceAbstract was destroyed unexpectedly (internal engine error!)");
    _isConstructed = false;
}
