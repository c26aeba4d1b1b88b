#include "input/ProjectileFile.h"

#include "TextReader.h"
#include "input/InputChecks.h"

namespace halvern {

void ReportUnreadableFile(const std::string& fileName, EngineHost& host) {
    LogLine(host, "  ++++ Error ++++", colour::Red);
    LogLine(host, "  File (" + fileName + ") could not be read or has wrong format.", colour::Red);
}

int32_t ReadProjectileFile(const std::string& fileName, TProjectileData& data, EngineHost& host) {
    TextReader reader;
    const bool opened = reader.open(fileName);
    data.Energy = static_cast<double>(reader.readReal());
    data.Z = reader.readInt();
    data.Mass = static_cast<double>(reader.readReal());
    data.Flags = static_cast<uint8_t>(reader.readInt() & 0xFF);
    const char separator = reader.readChar();
    data.Name = reader.readString(kProjectileNameLength);
    reader.skipLine();
    if (!opened || reader.failed() || separator != ' ') {
        ReportUnreadableFile(fileName, host);
        return 1;
    }
    // A projectile without energy, mass or charge would divide by zero in the set-up.
    int32_t result = 0;
    if (!(data.Energy > 0)) {
        ReportBadValue(host, "Projectile energy", ValueText(data.Energy), 1, fileName,
                       "must be above 0 keV");
        result = 1;
    }
    if (data.Z <= 0) {
        ReportBadValue(host, "Projectile Z", ValueText(data.Z), 1, fileName, "must be above 0");
        result = 1;
    }
    if (!(data.Mass > 0)) {
        ReportBadValue(host, "Projectile mass", ValueText(data.Mass), 1, fileName,
                       "must be above 0 amu");
        result = 1;
    }
    return result;
}

}  // namespace halvern
