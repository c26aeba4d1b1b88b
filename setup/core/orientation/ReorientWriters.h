// "Apply": re-orients a target or impact file line by line from the disk file (not from the
// display) and writes the result under a new name.
#pragma once

#include <string>

#include "MessageSink.h"
#include "orientation/OrientParams.h"

namespace velkor {

// Every kept atom turned, cut and moved, written in the generators' atom line; the first kept
// atom becomes line 1. The destination is replaced only when the whole file was read and
// written. Messages: "Source and destination files must be different" (any spelling of the same
// file), "Error occurred while reading/writing disk.", and a notice when the cut keeps nothing
// (then no file is written). True when a file was written.
bool WriteReorientedTarget(const std::string& source, const std::string& destination,
                           const TOrientParams& params, halvern::MessageSink& sink);

// Every kept point turned, cut and moved, written as three reals without width; the mesh
// parameters of the source's first line follow the first kept point, unchanged. A source
// without them (plain point lines) gets none; a version 1 line (no z0) gives a warning and the
// first point's z as z0. Failures: " Disk error during data transfer.".
bool WriteReorientedImpacts(const std::string& source, const std::string& destination,
                            const TOrientParams& params, halvern::MessageSink& sink);

}  // namespace velkor
