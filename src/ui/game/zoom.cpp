// The window's size: the whole window grows and shrinks as one picture, with the mouse or the
// zoom keys, and its size and place are kept for the next run.
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/preferences.h"
#include "platform/zoom_stage.h"
#include "ui/game/main_window.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// The zoom keys step by a quarter of the original size.
constexpr double ZoomStep = 0.25;

}  // namespace

double Main::PictureRatio() const {
    const double zoom = stage_->Zoom();
    if (zoom == 1) {
        return 0;  // the screens' own
    }
    // In half steps, so that a window dragged through many sizes draws few pictures.
    return std::ceil(qGuiApp->devicePixelRatio() * zoom * 2) / 2;
}

void Main::ShowPictures() {
    ShowNumberButtons();
    const double ratio = PictureRatio();
    for (int i = 1; i <= 5; ++i) {
        img_[i]->setPixmap(Plaatjes::CommandIcon(i, ratio));
    }
    if (pic2View_->isVisible()) {
        img_[4]->setPixmap(Plaatjes::SlotOpen(ratio));
    }
}

void Main::ZoomTo(double zoom) {
    const QSize content = stage_->ContentSize();
    // The window's frame and menus keep their size; a larger window must fit the screen, while
    // the original size is the original size on any screen.
    const QSize chrome = frameGeometry().size() - stage_->size();
    const QSize room = screen()->availableGeometry().size() - chrome;
    const double largest =
        std::min(1.0 * room.width() / content.width(), 1.0 * room.height() / content.height());
    zoom = std::clamp(zoom, ZoomStage::MinZoom, std::max(largest, 1.0));
    if (isMaximized() || isFullScreen()) {
        showNormal();
    }
    resize(size() - stage_->size() +
           QSize(static_cast<int>(std::lround(content.width() * zoom)),
                 static_cast<int>(std::lround(content.height() * zoom))));
}

void Main::BeeldGroter_Click() {
    ZoomTo(std::floor(stage_->Zoom() / ZoomStep + 1e-6) * ZoomStep + ZoomStep);
}

void Main::BeeldKleiner_Click() {
    ZoomTo(std::ceil(stage_->Zoom() / ZoomStep - 1e-6) * ZoomStep - ZoomStep);
}

void Main::BeeldWareGrootte_Click() {
    ZoomTo(1);
}

void Main::RestoreWindowPlace() {
    const QByteArray place = ReadWindowPlace(DataPath(PreferencesFileName));
    if (!place.isEmpty()) {
        restoreGeometry(place);
    }
}

void Main::hideEvent(QHideEvent* event) {
    // Closed, not minimized.
    if (!event->spontaneous()) {
        WriteWindowPlace(DataPath(PreferencesFileName), saveGeometry());
    }
    QMainWindow::hideEvent(event);
}
