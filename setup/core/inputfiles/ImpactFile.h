// The impact file (.IMP) of the impact-mesh record: written point by point from the record's
// mesh, and read back from the mesh parameters that its first line carries behind the first
// impact point.
#pragma once

#include <string>

#include "MessageSink.h"
#include "impacts/ImpactMeshFile.h"
#include "inputfiles/ImpactSpec.h"

namespace velkor {

// The record changes only on success. A first line that ends after ny is a version-1 file
// (z0 := 3, with a warning). A file that ends early, holds no number where one belongs, a
// bound that no field of 8 characters can hold or a density other than 0 and 1 gives false,
// without a message of its own.
bool LoadImpFile(const std::string& path, TImpactSpec& spec, halvern::MessageSink& sink);

// The record as numbers: bx(min), bx(max), by(min), by(max) and z0 converted in this order, a
// bad text reported with "Numeric conversion error (text)" and taken as 0.
TMeshNumbers MeshNumbersOf(const TImpactSpec& spec, halvern::MessageSink& sink);
// The bounds without messages (a bad text counts 0), for the preview's mouse read-out.
TMeshBounds QuietMeshBounds(const TImpactSpec& spec);

// Converts the record and writes its mesh (WriteImpactMesh: checks, messages, the file).
bool WriteImpactFile(const TImpactSpec& spec, const std::string& path, halvern::MessageSink& sink);

}  // namespace velkor
