#include "inputfiles/ProjectileSpec.h"

namespace velkor {

std::span<const ProjectilePreset> ProjectilePresets() {
    static constexpr ProjectilePreset kPresets[] = {
        {"Ar", "18", "39.948"}, {"He", "2", "4.00260"},  {"Ne", "10", "20.179"},
        {"H", "1", "1.0079"},   {"D", "1", "2.0141018"}, {"Kr", "36", "83.80"},
        {"Xe", "54", "131.29"},
    };
    return kPresets;
}

}  // namespace velkor
