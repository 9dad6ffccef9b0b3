#pragma once
#include <string>

// Every run-time file of the game, drawn and written into a folder laid out as the game's
// working folder.
class DataSet {
public:
    // False, after saying why on standard error, when a file cannot be made.
    static bool WriteAll(const std::string& folder);
};
