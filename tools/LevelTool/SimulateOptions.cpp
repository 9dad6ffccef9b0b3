#include "SimulateOptions.h"

#include <cmath>
#include <cstdlib>

namespace {

// A finite number written whole, without trailing characters.
bool ParseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value);
}

}  // namespace

bool SimulateOptions::Read(int count, char** arguments, std::string& error) {
    for (int i = 0; i < count; i += 2) {
        const std::string option = arguments[i];
        const bool isOption = option == "--games" || option == "--first-game" || option == "--frames" ||
                              option == "--frame-ms" || option == "--limit-minutes" || option == "--most-unended";
        if (!isOption) {
            error = "\"" + option + "\" is not an option of simulate";
            return false;
        }
        if (i + 1 == count) {
            error = option + " needs a value";
            return false;
        }
        if (!_Set(option, arguments[i + 1], error)) return false;
    }
    return true;
}

bool SimulateOptions::_Set(const std::string& option, const std::string& text, std::string& error) {
    if (option == "--games" || option == "--first-game") return _SetWhole(option, text, error);
    if (option == "--frames") {
        isSteady = text == "steady";
        if (isSteady || text == "real") return true;
        error = "--frames " + text + ": frames are \"real\" (as in real play) or \"steady\" (all --frame-ms long)";
        return false;
    }
    double value = 0.0;
    const bool isNumber = ParseNumber(text, value);
    double* target = option == "--frame-ms"        ? &frameMs
                     : option == "--limit-minutes" ? &limitMinutes
                                                   : &mostUnendedPercent;
    const bool isPercent = target == &mostUnendedPercent;
    if (isNumber && (isPercent ? value >= 0.0 && value <= 100.0 : value > 0.0)) {
        *target = value;
        return true;
    }
    error = option + " " + text + (isPercent ? ": a share of games must be a percentage from 0 to 100"
                                             : ": it must be a number above 0");
    return false;
}

bool SimulateOptions::_SetWhole(const std::string& option, const std::string& text, std::string& error) {
    constexpr double MOST = 1e6;
    const bool isGames = option == "--games";
    double value = 0.0;
    if (ParseNumber(text, value) && value >= (isGames ? 1.0 : 0.0) && value <= MOST && value == std::floor(value)) {
        (isGames ? games : firstGame) = static_cast<int>(value);
        return true;
    }
    error = option + " " + text + (isGames ? ": the number of games must be a whole number from 1 to 1000000"
                                           : ": the first game's number must be a whole number from 0 to 1000000");
    return false;
}
