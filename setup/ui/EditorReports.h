// The commands whose result opens in an editor window: the batch project template and the two
// neighbour listings. Each asks its dialog first; nothing opens unless it closed with OK.
#pragma once

#include <functional>

class QDialog;

namespace velkor {

class NeighbourDialog;
class SetupEditorHost;
class TBatchForm;

using ModalRunner = std::function<int(QDialog&)>;

// "&Batch project template": a plain-text window named after the batch file, holding ten lines
// a job for the stem; unsaved, so that closing it asks.
void RunBatchTemplate(TBatchForm& form, const ModalRunner& runModal, SetupEditorHost& editors);

// "Neighbour &distances" and "Neighbour &potential": the report that the dialog's OK made (only
// when every file it needs was read and checked), in an unchanged window of the Editor menu's
// mode ("NEIGHBOR.TXT" or "POTENTL.TXT").
void RunNeighbourReport(NeighbourDialog& dialog, bool potential, const ModalRunner& runModal,
                        SetupEditorHost& editors);

}  // namespace velkor
