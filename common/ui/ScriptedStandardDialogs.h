// Pickers for window tests: each answers from its script (none left: Cancel). The printer
// answer is a PDF file name.
#pragma once

#include <QPrinter>
#include <deque>
#include <optional>
#include <string>

#include "StandardDialogs.h"

namespace halvern {

class ScriptedStandardDialogs : public StandardDialogs {
  public:
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        if (pdfFiles.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdfFiles.front()));
        pdfFiles.pop_front();
        return true;
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override {
        return take(colours);
    }
    std::optional<FontChoice> chooseFont(QWidget*, const FontChoice& initial) override {
        offeredFont = initial;
        return take(fonts);
    }
    std::optional<ObjectRequest> chooseObject(QWidget*, const std::string&, int) override {
        return take(objects);
    }

    std::deque<std::string> pdfFiles;
    std::deque<QColor> colours;
    std::deque<FontChoice> fonts;
    std::deque<ObjectRequest> objects;
    FontChoice offeredFont;

  private:
    template <class T>
    static std::optional<T> take(std::deque<T>& script) {
        if (script.empty()) return std::nullopt;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

}  // namespace halvern
