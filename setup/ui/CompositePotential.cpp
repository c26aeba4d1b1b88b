#include "CompositePotential.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPointer>

#include "ContextHelp.h"
#include "HelpContexts.h"
#include "MdlForm.h"
#include "PotlForm.h"
#include "PotlGraph.h"
#include "ScreenPlacement.h"
#include "UiSink.h"
#include "WindowStacking.h"

namespace velkor {

CompositePotentialView::CompositePotentialView(QWidget* owner)
    : PotlForm(new TPotlForm(owner)),
      PotentialGraph(new TPotlGraph(owner)),
      ForceGraph(new TPotlGraph(owner)),
      runModal([](QDialog& dialog) { return dialog.exec(); }) {
    PotentialGraph->setObjectName(QStringLiteral("PotlGraph"));
    ForceGraph->setObjectName(QStringLiteral("PotlGraph2"));
    // The composite potential's page tells of the dialog and of both graphs.
    for (QWidget* window : {static_cast<QWidget*>(PotlForm), static_cast<QWidget*>(PotentialGraph),
                            static_cast<QWidget*>(ForceGraph)})
        halvern::SetHelpContext(window, kModelCompositeHelp);
}

bool CompositePotentialView::AskTargetZ() {
    return runModal(*PotlForm) == QDialog::Accepted;
}

void CompositePotentialView::ViewComposite(TCompositeRequest request) {
    request.Z = PotlForm->Z2;
    TCompositeParams params;
    halvern::MessageSink& sink = halvern::UiSink();
    if (!CompositeParamsOf(request, params, sink)) return;
    const std::string folder = QFile::encodeName(QDir::currentPath()).toStdString();
    if (SplineComposite(params, folder, files, sink)) PlotPotential();
}

void CompositePotentialView::PlotPotential() {
    const bool force = ForceGraph->LoadPotentialData(files.forcePath);
    if (force) {
        ForceGraph->setWindowTitle(QString::fromLatin1(kForceCaption));
        halvern::PresentWindow(ForceGraph);
    }
    if (!PotentialGraph->LoadPotentialData(files.potentialPath)) return;
    PotentialGraph->setWindowTitle(QString::fromLatin1(kPotentialCaption));
    if (!force) {
        halvern::PresentWindow(PotentialGraph);
        return;
    }
    // The force window's place is known once the window manager has mapped it.
    halvern::WhenMapped(ForceGraph, [force = QPointer<TPotlGraph>(ForceGraph),
                                     potential = QPointer<TPotlGraph>(PotentialGraph)] {
        if (!force || !potential) return;
        halvern::MoveFrameTo(potential, force->frameGeometry().topLeft() + QPoint(0, 25));
        halvern::PresentWindow(potential);
    });
}

void ViewModelComposite(CompositePotentialView& view, TMdlForm& model) {
    if (!view.AskTargetZ() || !model.CheckBox1->isChecked()) return;
    const TModelSpec controls = model.controlsRecord();
    TModelSpec& r = model.record();
    r.TtKind = controls.TtKind;
    r.TtCorrection = controls.TtCorrection;
    r.MorseD = controls.MorseD;
    r.MorseA = controls.MorseA;
    r.MorseR0 = controls.MorseR0;
    r.SplineLow = controls.SplineLow;
    r.SplineHigh = controls.SplineHigh;
    TCompositeRequest request;
    request.kind = r.TtKind;
    request.correction = r.TtCorrection.str();
    request.D = r.MorseD.str();
    request.alpha = r.MorseA.str();
    request.r0 = r.MorseR0.str();
    request.low = r.SplineLow.str();
    request.high = r.SplineHigh.str();
    view.ViewComposite(request);
}

}  // namespace velkor
