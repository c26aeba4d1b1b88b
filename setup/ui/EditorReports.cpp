#include "EditorReports.h"

#include <QDialog>

#include "BatchForm.h"
#include "EditForm.h"
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
    const auto report = dialog.takeReport();
    if (!report) return;
    const bool plain = editors.plainText();
    halvern::TEditForm* window =
        editors.openLines(NeighbourReportCaption(potential, plain), *report, plain);
    window->file().modified = false;  // a listing nobody has edited yet
}

}  // namespace velkor
