#include "BrisalWindows.h"

#include <QApplication>
#include <clocale>

#include "AboutBox.h"
#include "CollForm.h"
#include "ConvertForm.h"
#include "DisplaceForm.h"
#include "FilterForm.h"
#include "FunctionsForms.h"
#include "Genius2Form.h"
#include "GeniusForm.h"
#include "GraphForm.h"
#include "HelpContexts.h"
#include "Pictures.h"
#include "PlotOptionsForm.h"
#include "ScatterForm.h"
#include "ScreenPlacement.h"
#include "SpecForm.h"
#include "TrajPlotForm.h"
#include "UiSink.h"

namespace brisal {

void PrepareApplication() {
    // Number texts are the kit's own; nothing may depend on the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Brisal 2.2"));
    QApplication::setWindowIcon(QIcon(ProgramPicture(64)));
}

namespace {

// Each form of the program is made here, in this order, and named in `created`.
template <class Form, class... Args>
Form* Make(BrisalWindows& windows, const char* className, Args... args) {
    auto* form = new Form(args..., windows.main.get());
    form->setObjectName(QString::fromLatin1(className).mid(1));
    windows.created << QString::fromLatin1(className);
    halvern::CentreOnScreen(form);
    return form;
}

}  // namespace

BrisalWindows CreateBrisalWindows(const std::vector<std::string>& arguments) {
    BrisalWindows windows;
    windows.main = std::make_unique<TMainForm>();
    windows.created << QStringLiteral("TMainForm");

    TProcessForms forms;
    forms.spectrum = Make<TSpecForm>(windows, "TSpecForm");
    forms.genius = Make<TGeniusForm>(windows, "TGeniusForm");
    forms.coll = Make<TCollForm>(windows, "TCollForm");
    forms.avg = Make<TAvgForm>(windows, "TAvgForm");
    forms.formatCol = Make<TFormatColForm>(windows, "TFormatColForm");
    forms.convert = Make<TConvertForm>(windows, "TConvertForm");
    forms.filter = Make<TFilterForm>(windows, "TFilterForm");
    forms.genius2 = Make<TGenius2Form>(windows, "TGenius2Form");
    forms.trajPlot = Make<TTrajPlotForm>(windows, "TTrajPlotForm");
    forms.tOptions = Make<TTOptionsForm>(windows, "TTOptionsForm");
    forms.about = Make<TAboutBox>(windows, "TAboutBox");
    forms.displace = Make<TDisplaceForm>(windows, "TDisplaceForm");
    forms.graph = Make<TGraphForm>(windows, "TGraphForm");
    forms.scatter = Make<halvern::TScatterForm>(windows, "TScatterForm", kHelpProgram);
    for (TProcessDialog* dialog : std::initializer_list<TProcessDialog*>{
             forms.spectrum, forms.coll, forms.avg, forms.formatCol})
        dialog->setGenius(*forms.genius);
    forms.filter->setFilterGenius(*forms.genius2);
    forms.trajPlot->setOptionsForm(*forms.tOptions);
    windows.main->attachForms(forms);

    windows.startupFile = CheckStartupArguments(arguments);
    if (windows.startupFile.kind == StartupFile::Kind::Missing)
        halvern::UiSink().error(CannotFindFileText(windows.startupFile.name));
    halvern::CentreOnScreen(windows.main.get());
    return windows;
}

void ShowBrisalWindows(BrisalWindows& windows) {
    windows.main->show();
    // The file named at start opens in the trajectory plotter, over the main window.
    if (windows.startupFile.kind == StartupFile::Kind::PlotterFile)
        windows.main->showTrajectoryPlot(windows.startupFile.name);
}

}  // namespace brisal
