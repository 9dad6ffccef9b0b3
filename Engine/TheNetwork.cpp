#include "TheNetwork.h"

#include "AssertionFailure.h"

bool TheNetwork::_isInitialized = false;

TheNetwork::TheNetwork()
    : _isConnected(false), _port(50000), _maxPeers(32), _hostName("(unknown)"), _numPeers(0), _numPendingPackets(0) {}

TheNetwork::~TheNetwork() {
    ASSERT_ALL_BUILDS(!_isInitialized, "TheNetwork was destroyed while running; Shutdown() should be called first!");
}
