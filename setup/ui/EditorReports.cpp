#include "EditorReports.h"

#include <QDialog>

#include "BatchForm.h"
#include "NeighbourDialogs.h"
#include "SetupEditorHost.h"

namespace velkor {

void RunBatchTemplate(TBatchForm& form, const ModalRunner& runModal, SetupEditorHost& editors) {
    if (runModal(form) != QDialog::Accepted) return;
    const TBatchSpec& spec = form.spec();
    editors.openLines(spec.batchFile, MakeBatchTemplate(spec.stem, form.count()), true);
}

void RunNeighbourReport(NeighbourDialog& dialog, bool potential, const ModalRunner& runModal,
                        SetupEditorHost& editors) {
    if (runModal(dialog) != QDialog::Accepted) return;
    const auto report = dialog.MakeReport();
    if (!report) return;
    const bool plain = editors.plainText();
    editors.openLines(NeighbourReportCaption(potential, plain), *report, plain);
}

}  // namespace velkor
