#include "ModalRunner.h"

#include <QDialog>
#include <utility>

#include "WindowStacking.h"

namespace brisal {

namespace {

std::function<int(QDialog&)>& InstalledRunner() {
    static std::function<int(QDialog&)> runner;
    return runner;
}

}  // namespace

int RunModal(QDialog& dialog) {
    if (const auto& runner = InstalledRunner()) return runner(dialog);
    return halvern::ExecOverOpener(dialog);
}

void SetModalRunner(std::function<int(QDialog&)> runner) {
    InstalledRunner() = std::move(runner);
}

}  // namespace brisal
