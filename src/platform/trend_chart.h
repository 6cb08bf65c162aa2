#pragma once

#include <QSize>
#include <QWidget>

#include <vector>

// A small chart of times, the oldest on the left: a bar for each, the taller the longer the time,
// in room for the number of times the statistics chart, and over the bars the straight line
// nearest to them, so that a glance shows whether the times went down or up.
class TrendChart : public QWidget {
  public:
    explicit TrendChart(QWidget* parent);
    void SetTimes(std::vector<long long> times);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<long long> times_;
};
