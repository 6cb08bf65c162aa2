#include "platform/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaint : public QObject {
  public:
    FirstPaint(QObject* parent, std::function<void()> then) : QObject(parent), then_(then) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has reached the screen.
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

}  // namespace

void AfterFirstPaint(QWidget* widget, std::function<void()> then) {
    widget->installEventFilter(new FirstPaint(widget, std::move(then)));
}

void QuitAfterFirstPaint(QWidget* widget) {
    AfterFirstPaint(widget, &QCoreApplication::quit);
}
