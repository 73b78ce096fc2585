#include "app/compute/Messages.h"

namespace vortalin {

std::string UncoveredTemperatureMessage(bool air, bool water) {
    if (air) {
        return "Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!";
    }
    if (water) {
        return "Stredná teplota vody je mimo teplotný rozsah 0 až 100°C !!!";
    }
    return "Stredná teplota zemného plynu je mimo teplotný rozsah 30 až 70°C !!!";
}

std::string ResultsFileNotCreatedMessage(const std::string& path, const std::string& reason) {
    return "Súbor výsledkov „" + path + "“ sa nepodarilo vytvoriť (" + reason +
           "). Parametrická štúdia sa neuložila, predchádzajúci súbor zostal nezmenený.";
}

std::string ResultsFileNotWrittenMessage(const std::string& path, const std::string& reason) {
    return "Súbor výsledkov „" + path + "“ sa nepodarilo zapísať (" + reason +
           "). Parametrická štúdia sa neuložila, predchádzajúci súbor zostal nezmenený.";
}

} // namespace vortalin
