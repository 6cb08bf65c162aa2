#include "platform/message_box.h"

#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

Answer MessageBox(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                  BoxIcon icon, const QString& details) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    box.setInformativeText(details);
    box.setIcon(icon == BoxIcon::Exclamation   ? QMessageBox::Warning
                : icon == BoxIcon::Information ? QMessageBox::Information
                                               : QMessageBox::NoIcon);
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

bool Ask(QWidget* owner, const QString& text, const QString& first, const QString& second,
         const QString& title) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void FileFailureBox(QWidget* owner, const QString& text, const QString& path,
                    const QString& failure, const QString& title) {
    MessageBox(owner, text, title, Buttons::Ok, BoxIcon::Exclamation,
               QDir::toNativeSeparators(path) + u'\n' + failure);
}

QString InputBox(QWidget* owner, const QString& prompt, const QString& title,
                 const QString& defaultText) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
