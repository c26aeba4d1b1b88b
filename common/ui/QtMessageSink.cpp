#include "QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "DisplayText.h"
#include "HelpWindow.h"
#include "ParseErrorDialog.h"

namespace halvern {

namespace {

QMessageBox::Icon IconOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Error:
            return QMessageBox::Critical;
        case BoxIcon::Warning:
            return QMessageBox::Warning;
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString CaptionOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Error:
            return QStringLiteral("Error");
        case BoxIcon::Warning:
            return QStringLiteral("Warning");
        case BoxIcon::Information:
            return QStringLiteral("Information");
        case BoxIcon::Question:
            return QStringLiteral("Confirm");
    }
    return {};
}

// Shows a modal box over the active window; returns the button chosen.
QMessageBox::StandardButton ShowBox(BoxIcon icon, const std::string& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(IconOf(icon), CaptionOf(icon), DisplayText(text), buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessageSink::error(const std::string& text) {
    ShowBox(BoxIcon::Error, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageSink::warning(const std::string& text) {
    ShowBox(BoxIcon::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageSink::info(const std::string& text) {
    ShowBox(BoxIcon::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageSink::infoWithHelp(const std::string& text, const HelpTopic& help) {
    QMessageBox box(IconOf(BoxIcon::Information), CaptionOf(BoxIcon::Information),
                    DisplayText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    QPushButton* helpButton = box.addButton(QMessageBox::Help);
    // The box closes on every button of its own; Help shows the page and leaves it open.
    QObject::disconnect(helpButton, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(helpButton, &QAbstractButton::clicked, &box,
                     [help] { ShowHelp(help.program, help.context); });
    box.exec();
}

bool QtMessageSink::askYesNo(const std::string& text, BoxIcon icon) {
    return ShowBox(icon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool QtMessageSink::askOkCancel(const std::string& text, BoxIcon icon) {
    return ShowBox(icon, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
           QMessageBox::Ok;
}

bool QtMessageSink::askOkCancelWithHelp(const std::string& text, BoxIcon icon,
                                        const HelpTopic& help) {
    QMessageBox box(IconOf(icon), CaptionOf(icon), DisplayText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    QPushButton* helpButton = box.addButton(QMessageBox::Help);
    // The box closes on every button of its own; Help shows the page and leaves it open.
    QObject::disconnect(helpButton, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(helpButton, &QAbstractButton::clicked, &box,
                     [help] { ShowHelp(help.program, help.context); });
    return box.exec() == QMessageBox::Ok;
}

void QtMessageSink::beep() {
    QApplication::beep();
}

void QtMessageSink::parseError(const std::string& title, const std::string& text) {
    ShowParseError(title, text);
}

}  // namespace halvern
