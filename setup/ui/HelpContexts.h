// Help context numbers of the set-up program's windows, in one table: a new window adds its
// context here and its page in help/velkor/ (help/tests checks both).
#pragma once

#include "ContextHelp.h"
#include "SharedHelpContexts.h"

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
inline constexpr int kNeighbourDistancesHelp = 106;
inline constexpr int kNeighbourPotentialsHelp = 107;
inline constexpr int kBatchTemplateHelp = 600;
inline constexpr int kCrystalAxesHelp = 630;
inline constexpr int kPairPotentialHelp = 640;

// Every context of the program's windows, with the shared editor and scattering windows.
inline constexpr halvern::HelpContextRow kHelpContexts[] = {
    {kIntroductionHelp, "introduction and main window"},
    {halvern::kEditorHelpContext, "editor window"},
    {kCubicDialogHelp, "cubic lattice dialog"},
    {kNeighbourDistancesHelp, "neighbour distances"},
    {kNeighbourPotentialsHelp, "neighbour potentials"},
    {kHexDialogHelp, "hexagonal lattice dialog"},
    {kTwoSpeciesDialogHelp, "rocksalt and sphalerite dialog"},
    {kTargetOrientHelp, "target orientation window"},
    {kConvertVersion21Help, "conversion of version 2.1 target files"},
    {kProjectileDialogHelp, "projectile dialog"},
    {kProjectileSymbolHelp, "projectile: elemental symbol"},
    {kProjectileAtomicNumberHelp, "projectile: atomic number"},
    {kProjectileMassHelp, "projectile: atomic mass"},
    {kProjectileEnergyHelp, "projectile: energy"},
    {kRunDialogHelp, "run dialog"},
    {kRunSamplingHelp, "run: sampling"},
    {kRunOutputHelp, "run: output"},
    {kRunAnglesHelp, "run: angles"},
    {kRunPeriodicHelp, "run: periodic boundaries"},
    {kRunCutOffHelp, "run: cut-off"},
    {kRunSamplesHelp, "run: samples of output functions"},
    {kModelDialogHelp, "model dialog"},
    {kModelScreeningHelp, "model: screening"},
    {kModelMorseHelp, "model: Morse potential"},
    {kModelVibrationsHelp, "model: thermal vibrations"},
    {kModelEnergiesHelp, "model: energies"},
    {kModelCompositeHelp, "model: composite potential"},
    {kImpactDialogHelp, "impact-point mesh dialog"},
    {kImpactTemplatesHelp, "impact-point mesh templates"},
    {kImpactOrientHelp, "impact-point orientation window"},
    {kBatchTemplateHelp, "batch project template"},
    {halvern::kScatterHelp, "scattering relations"},
    {kCrystalAxesHelp, "crystal axes"},
    {kPairPotentialHelp, "pair potential and apsis"},
    {kInelasticLssHelp, "inelastic: Lindhard-Scharff-Schiott"},
    {kInelasticOrHelp, "inelastic: Oen-Robinson"},
    {kInelasticStHelp, "inelastic: Shapiro-Tombrello"},
    {kInelasticComputeHelp, "inelastic: computed tables"},
    {kVersionNoticePage, "input files of older versions"},
};

inline constexpr halvern::HelpTable kHelpTable{kHelpProgram, kHelpContexts};

}  // namespace velkor
