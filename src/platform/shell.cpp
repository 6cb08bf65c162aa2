#include "platform/shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {

std::function<void(const QString&)>& Listener() {
    static std::function<void(const QString&)> listener;
    return listener;
}

}  // namespace

void SetOpenListener(std::function<void(const QString&)> listener) {
    Listener() = std::move(listener);
}

void OpenDocument(QWidget*, const QString& pathOrAddress) {
    if (Listener()) {
        Listener()(pathOrAddress);
        return;
    }
    const QUrl url = pathOrAddress.contains(QLatin1String("://"))
                         ? QUrl(pathOrAddress)
                         : QUrl::fromLocalFile(pathOrAddress);
    QDesktopServices::openUrl(url);
}

void ShowBusyPointer() {
    QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void ShowArrowPointer() {
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}
