// The window's size: the whole window grows and shrinks as one picture, with the mouse or the
// zoom keys, and its size and place are kept for the next run.
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/pictures.h"
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
// How far a zoom may lie below a step and still count as that step: the stage's zoom is a step of
// its own, a little below the one asked for.
constexpr double ZoomSlack = 0.05;

}  // namespace

double Main::PictureZoom() const {
    return stage_->Zoom();
}

void Main::ShowPictures() {
    ShowNumberButtons();
    const double zoom = PictureZoom();
    for (int i = 1; i <= 5; ++i) {
        img_[i]->setPixmap(Plaatjes::CommandIcon(i, zoom));
    }
    if (pic2View_->isVisible()) {
        img_[4]->setPixmap(Plaatjes::SlotOpen(zoom));
    }
    if (!pauseCover_->text().isEmpty()) {
        ShowPauseText();
    }
}

void Main::ZoomTo(double zoom) {
    const QSize content = stage_->ContentSize();
    // The window's frame and menus keep their size; a larger window must fit the screen.
    const QSize chrome = frameGeometry().size() - stage_->size();
    const QSize room = screen()->availableGeometry().size() - chrome;
    const double largest =
        std::min(1.0 * room.width() / content.width(), 1.0 * room.height() / content.height());
    zoom = stage_->Step(std::min(zoom, largest));
    if (isMaximized() || isFullScreen()) {
        showNormal();
    }
    resize(size() - stage_->size() +
           QSize(static_cast<int>(std::ceil(content.width() * zoom)),
                 static_cast<int>(std::ceil(content.height() * zoom))));
}

void Main::BeeldGroter_Click() {
    ZoomTo((std::floor((stage_->Zoom() + ZoomSlack) / ZoomStep) + 1) * ZoomStep);
}

void Main::BeeldKleiner_Click() {
    ZoomTo((std::ceil((stage_->Zoom() - ZoomSlack) / ZoomStep) - 1) * ZoomStep);
}

void Main::BeeldWareGrootte_Click() {
    ZoomTo(1);
}

void Main::RestoreWindowPlace() {
    if (!files_.WindowPlace().isEmpty()) {
        restoreGeometry(files_.WindowPlace());
    }
}

void Main::hideEvent(QHideEvent* event) {
    // Closed, not minimized.
    if (!event->spontaneous()) {
        files_.KeepWindowPlace(saveGeometry());
    }
    QMainWindow::hideEvent(event);
}
