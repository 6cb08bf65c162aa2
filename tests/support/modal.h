#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers the next modal dialog as soon as it is shown: `answer` gets the dialog. Tests call this
// before the action that opens the dialog.
inline void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000) {
    auto* poll = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, answer, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool found = modal && modal->isVisible();
        if (found || clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            if (found) {
                answer(modal);
            }
        }
    });
    poll->start(10);
}

// Closes every message box as soon as it shows, and keeps what the last one said.
class MessageWatch {
  public:
    MessageWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box && box->isVisible()) {
                text = box->text();
                details = box->informativeText();
                ++count;
                box->close();
            }
        });
        timer_.start(10);
    }
    QString text;
    QString details;
    int count = 0;

  private:
    QTimer timer_;
};

// Answers the next modal dialogs in turn, one answer each.
inline void WhenModals(QList<std::function<void(QWidget*)>> answers) {
    if (answers.isEmpty()) {
        return;
    }
    const std::function<void(QWidget*)> first = answers.takeFirst();
    WhenModal([first, answers](QWidget* modal) {
        first(modal);
        WhenModals(answers);
    });
}

// The text of a message box, and a click on one of its buttons.
inline QString MessageText(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    return box ? box->text() : QString();
}

// What a message box says below its text: for a file, the file's path and why.
inline QString MessageDetails(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    return box ? box->informativeText() : QString();
}

inline void Press(QWidget* modal, QMessageBox::StandardButton button) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    }
}

// Types a text into an input box and presses Ok, or presses Cancel when `text` is null.
inline void AnswerInput(QWidget* modal, const QString& text) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    if (!dialog) {
        return;
    }
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    if (text.isNull()) {
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        return;
    }
    auto* edit = dialog->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Chooses `path` in a save dialog, or cancels the dialog when `path` is null, and keeps the
// dialog's filter.
inline void ChooseFile(QWidget* modal, const QString& path, QString* filter = nullptr,
                       const std::function<void()>& beforeAccept = {}) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    if (filter) {
        *filter = dialog->nameFilters().join(u';');
    }
    if (path.isNull()) {
        dialog->reject();
        return;
    }
    // Typed into the name box, as the user would; selectFile() leaves a focused box alone.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    if (beforeAccept) {
        beforeAccept();
    }
    static_cast<QDialog*>(dialog)->accept();  // through QDialog, where it is public
}

// The same for the next save dialog.
inline void AnswerSave(const QString& path, QString* filter = nullptr,
                       std::function<void()> beforeAccept = {}) {
    WhenModal([=](QWidget* modal) { ChooseFile(modal, path, filter, beforeAccept); });
}
