// A small chart in a view of fixed size, shown offscreen, for rendering tests.
#pragma once

#include <memory>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

namespace vorn::viewer::output::testing {

inline constexpr int kChartWidth = 756;
inline constexpr int kChartHeight = 480;

inline std::unique_ptr<QChartView> makeChartView() {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Uniform Electric Field"));
  chart->setBackgroundBrush(QColor(255, 255, 224));
  auto* axisX = new QValueAxis;
  auto* axisY = new QValueAxis;
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  for (int k = 1; k <= 2; ++k) {
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("curve %1").arg(k));
    for (int i = 0; i <= 10; ++i) series->append(i, k * i * i);
    chart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
  }
  auto view = std::make_unique<QChartView>(chart);
  view->setFrameShape(QFrame::NoFrame);
  view->resize(kChartWidth, kChartHeight);
  view->show();
  QApplication::processEvents();
  return view;
}

}  // namespace vorn::viewer::output::testing
