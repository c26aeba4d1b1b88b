#include "input/ProjectileFile.h"

#include "FileSafety.h"
#include "TextReader.h"
#include "input/InputChecks.h"
#include "input/TargetFile.h"

namespace halvern {

void ReportUnreadableFile(const std::string& fileName, EngineHost& host) {
    LogLine(host, "  ++++ Error ++++", colour::Red);
    LogLine(host, "  File (" + fileName + ") could not be read or has wrong format.", colour::Red);
    if (IsNotRegularFile(fileName)) LogLine(host, "  " + NotRegularFileText(fileName), colour::Red);
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
    // A projectile without energy, mass or charge would divide by zero in the set-up; a charge
    // beyond the element table's or an absurd energy or mass would overflow the run's sums.
    ValueChecks check{host, fileName};
    check.inLimit("Projectile energy", data.Energy, 1, limits::ProjectileEnergy, " keV");
    check.inLimit("Projectile Z", data.Z, 1, limits::AtomicNumber);
    check.inLimit("Projectile mass", data.Mass, 1, limits::AtomMass, " amu");
    return check.ok ? 0 : 1;
}

}  // namespace halvern
