#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The network service: a placeholder, constructed and destroyed only.
class TheNetwork {
public:
    TheNetwork();
    ~TheNetwork();

private:
    struct PeerRecord {
        std::uint32_t address;
        std::uint16_t port;
    };

    bool _isConnected;
    std::int32_t _port;
    std::int32_t _maxPeers;
    std::string _hostName;
    std::int32_t _numPeers;
    std::int32_t _numPendingPackets;
    std::vector<PeerRecord> _peers;

    static bool _isInitialized;  // nothing sets it
};

extern TheNetwork theNetwork;
