// Help context numbers of the set-up program's windows; each has its page in help/velkor/.
#pragma once

namespace velkor {

inline constexpr const char* kHelpProgram = "velkor";
inline constexpr int kIntroductionHelp = 10;
inline constexpr int kCubicDialogHelp = 100;
inline constexpr int kHexDialogHelp = 110;
inline constexpr int kTwoSpeciesDialogHelp = 120;
inline constexpr int kTargetOrientHelp = 130;
inline constexpr int kConvertVersion21Help = 140;
inline constexpr int kImpactDialogHelp = 501;
inline constexpr int kImpactTemplatesHelp = 503;
inline constexpr int kImpactOrientHelp = 510;

inline constexpr int kProjectileDialogHelp = 200;
inline constexpr int kProjectileSymbolHelp = 201;
inline constexpr int kProjectileAtomicNumberHelp = 202;
inline constexpr int kProjectileMassHelp = 203;
inline constexpr int kProjectileEnergyHelp = 204;

inline constexpr int kRunDialogHelp = 300;
inline constexpr int kRunSamplingHelp = 301;
inline constexpr int kRunOutputHelp = 302;
inline constexpr int kRunAnglesHelp = 303;
inline constexpr int kRunPeriodicHelp = 305;
inline constexpr int kRunCutOffHelp = 306;
inline constexpr int kRunSamplesHelp = 307;

inline constexpr int kModelDialogHelp = 400;
inline constexpr int kModelScreeningHelp = 401;
inline constexpr int kModelMorseHelp = 402;
inline constexpr int kModelVibrationsHelp = 403;
inline constexpr int kModelEnergiesHelp = 404;
inline constexpr int kModelCompositeHelp = 405;

inline constexpr int kInelasticLssHelp = 710;
inline constexpr int kInelasticOrHelp = 720;
inline constexpr int kInelasticStHelp = 730;
inline constexpr int kInelasticComputeHelp = 740;

// The notices about input files of older versions.
inline constexpr int kVersionNoticePage = 5000;

}  // namespace velkor
