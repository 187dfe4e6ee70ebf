#include "ui/TFinanceForm.h"
#include "ui/Dates.h"

#include "game/GameDay.h"
#include "ui/Style.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

namespace tavo::ui {
namespace {

QString monthText(const FinanceMonth& month) {
    return shortMonthText(month.month, month.year);
}

QChart* newChart(QTabWidget* pages, const QString& tab) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    // The keyboard stays on the tabs: the chart takes no keys.
    view->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(QString(tab).remove(QLatin1Char('&')));
    pages->addTab(view, tab);
    return chart;
}

// The farthest from naught the figures' axis reaches, either way: a figure
// beyond (a damaged or a debugged game's) is drawn at the edge, so that the
// axis is read in figures, not in "inf" and "nan".
constexpr double kAxisMost = 1e15;

// One line a series, x the month's place in the history; the months are
// named under the chart, six of them at most.
void draw(QChart* chart, const std::vector<FinanceMonth>& months,
          const std::vector<std::pair<QString, std::map<int, double>>>& lines) {
    chart->removeAllSeries();
    // The chart hands a removed axis back to its caller.
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* across = new QCategoryAxis;
    across->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int count = static_cast<int>(months.size());
    const int step = std::max(1, (count + 5) / 6);
    for (int i = 0; i < count; i += step)
        across->append(monthText(months[i]), i);
    // Half a month on each side, so that the first and last names show whole.
    across->setRange(-0.5, std::max(0.5, count - 0.5));
    auto* up = new QValueAxis;
    up->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(across, Qt::AlignBottom);
    chart->addAxis(up, Qt::AlignLeft);
    double low = 0, high = 1;
    for (const auto& [name, points] : lines) {
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPointsVisible(count < 40);
        for (const auto& [x, figure] : points) {
            if (std::isnan(figure)) continue;
            const double y = std::clamp(figure, -kAxisMost, kAxisMost);
            series->append(x, y);
            low = std::min(low, y);
            high = std::max(high, y);
        }
        chart->addSeries(series);
        series->attachAxis(across);
        series->attachAxis(up);
    }
    up->setRange(low, high);
    up->applyNiceNumbers();
    chart->legend()->setVisible(!lines.empty());
}

} // namespace

TFinanceForm::TFinanceForm(Session& session)
    : QDialog(nullptr, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
      session_(session), game_(session.game()) {
    setWindowTitle(tr("Finances"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    Summary = new QLabel;
    Summary->setWordWrap(true);
    layout->addWidget(Summary);
    Pages = new QTabWidget;
    MoneyChart = newChart(Pages, tr("&Money"));
    ProfitChart = newChart(Pages, tr("&Profit of each bar"));
    VisitorsChart = newChart(Pages, tr("&Visitors of each bar"));
    layout->addWidget(Pages, 1);
    CloseBut = new QPushButton(tr("&Close"));
    connect(CloseBut, &QPushButton::clicked, this, &TFinanceForm::CloseButClick);
    layout->addLayout(buttonRow({CloseBut}));
    setMainAction(this, CloseBut);
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 110, metrics.height() * 30);
    setMinimumSize(metrics.averageCharWidth() * 60, metrics.height() * 18);
}

void TFinanceForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFinanceForm::FormShow() {
    const std::vector<FinanceMonth>& months = game_.history.months;
    if (months.empty())
        Summary->setText(tr("No month has ended yet in this game: the charts fill "
                            "in at each month's end."));
    else
        Summary->setText(tr("Month by month from %1 to %2: the money at each "
                            "month's end, and each bar's profit and visitors.")
                             .arg(monthText(months.front()), monthText(months.back())));
    std::map<int, double> money;
    std::vector<std::pair<QString, std::map<int, double>>> profit, visitors;
    for (std::size_t m = 0; m < months.size(); ++m) {
        const int x = static_cast<int>(m);
        money[x] = months[m].money;
        for (std::size_t b = 0; b < months[m].bars.size(); ++b) {
            const BarMonth& bar = months[m].bars[b];
            if (b >= profit.size()) {
                profit.emplace_back();
                visitors.emplace_back();
            }
            // A bar is named as it was last called.
            profit[b].first = visitors[b].first = QString::fromLatin1(bar.name.c_str());
            profit[b].second[x] = bar.profit;
            visitors[b].second[x] = bar.visitors;
        }
    }
    std::vector<std::pair<QString, std::map<int, double>>> moneyLine;
    if (!months.empty()) moneyLine.emplace_back(tr("Money ($)"), std::move(money));
    draw(MoneyChart, months, moneyLine);
    draw(ProfitChart, months, profit);
    draw(VisitorsChart, months, visitors);
}

void TFinanceForm::CloseButClick() {
    hide();
}

void TFinanceForm::gameReplaced() {
    if (!session_.inGame())
        hide();
    else if (isVisible())
        FormShow(); // the loaded months
}

void TFinanceForm::monthEnded() {
    if (isVisible()) FormShow();
}

} // namespace tavo::ui
