#include "ui/compare_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <variant>

#include "document/aircraft_document.h"
#include "files/aircraft_file.h"
#include "model/number_format.h"
#include "model/units.h"
#include "texts/translation.h"
#include "views/view_colors.h"
#include "views/wing_outline.h"

namespace ws {
namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Study", source);
}

// Lengths of the table in one place, in the unit in force.
QString lengthCell(double mm) {
    return QString::fromStdString(lengthText(mm, unitsInForce(), 1));
}

}  // namespace

// Both aircraft's wings in use in the top view's frame: y across, x down.
class PlanformOverlay : public QWidget {
  public:
    explicit PlanformOverlay(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("CompareOverlay"));
        setMinimumSize(420, 360);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }
    void show(const AircraftModel& mine, const AircraftModel& other) {
        mine_ = &mine;
        other_ = &other;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!mine_ || !other_) return;
        std::vector<std::pair<int, std::vector<PlanformPath>>> mine = paths(*mine_), other = paths(*other_);
        double yMax = 1, xMin = 0, xMax = 1;
        for (const auto* set : {&mine, &other})
            for (const auto& [w, list] : *set)
                for (const PlanformPath& path : list)
                    for (const PlanformPoint& p : path) {
                        yMax = std::max(yMax, std::abs(p.y));
                        xMin = std::min(xMin, p.x);
                        xMax = std::max(xMax, p.x);
                    }
        const double margin = 12;
        const double scale =
            std::min((width() - 2 * margin) / (2 * yMax), (height() - 2 * margin) / (xMax - xMin));
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        auto at = [&](const PlanformPoint& p) {
            return QPointF(width() / 2.0 - p.y * scale, margin + (p.x - xMin) * scale);
        };
        painter.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        painter.drawLine(QPointF(width() / 2.0, 0), QPointF(width() / 2.0, height()));
        for (const auto* set : {&mine, &other})
            for (const auto& [w, list] : *set) {
                painter.setPen(QPen(viewWingColor(w), set == &mine ? 2 : 1.5,
                                    set == &mine ? Qt::SolidLine : Qt::DashLine));
                for (const PlanformPath& path : list)
                    for (std::size_t i = 1; i < path.size(); ++i)
                        painter.drawLine(at(path[i - 1]), at(path[i]));
            }
    }

  private:
    static std::vector<std::pair<int, std::vector<PlanformPath>>> paths(const AircraftModel& m) {
        std::vector<std::pair<int, std::vector<PlanformPath>>> out;
        for (int w = 1; w <= m.WingCount; ++w) {
            std::vector<PlanformPath> list = outlinePaths(outlineOf(Calc_W(m.wing[w])));
            for (PlanformPath& path : list)
                for (PlanformPoint& p : path) p.x += m.wing[w].WingPosX;
            out.emplace_back(w, std::move(list));
        }
        return out;
    }

    const AircraftModel* mine_ = nullptr;
    const AircraftModel* other_ = nullptr;
};

CompareDialog::CompareDialog(const AircraftDocument& document, QWidget* parent)
    : QDialog(parent),
      doc_(document),
      overlay_(new PlanformOverlay(this)),
      table_(new QTableWidget(this)),
      legend_(new QLabel(this)) {
    setObjectName(QStringLiteral("CompareDialog"));
    table_->setObjectName(QStringLiteral("CompareTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setColumnCount(3);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumWidth(460);
    legend_->setWordWrap(true);
    auto* right = new QVBoxLayout;
    right->addWidget(table_, 1);
    right->addWidget(legend_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(overlay_, 1);
    layout->addLayout(right);
    resize(1000, 560);
}

QString CompareDialog::compareWith(const QString& path) {
    auto content = loadAircraftFile(path.toStdString());
    if (const auto* error = std::get_if<FileError>(&content)) return QString::fromStdString(error->reason);
    other_ = applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft()).model;
    mine_ = doc_.model();
    CalcOptions options;
    options.marginDesired = doc_.stabilityChoice().marginDesired();
    mineResult_ = runCalculation(mine_, options);
    otherResult_ = runCalculation(other_, options);
    fill(QFileInfo(path).fileName());
    overlay_->show(mine_, other_);
    setWindowTitle(say(QT_TRANSLATE_NOOP("Study", "Compare with %1")).arg(QFileInfo(path).fileName()));
    return {};
}

void CompareDialog::fill(const QString& otherName) {
    struct Row {
        QString name;
        double mine, other;
        bool mineKnown, otherKnown;
        bool area = false;
    };
    const Units units = unitsInForce();
    const QString unit = QString::fromUtf8(unitSymbol(units));
    const QString areaUnit = units == Units::Inch ? QStringLiteral("in²") : QStringLiteral("dm²");
    std::vector<Row> rows;
    const int wings = std::max(mine_.WingCount, other_.WingCount);
    for (int w = 1; w <= wings; ++w) {
        const bool m = w <= mine_.WingCount, o = w <= other_.WingCount;
        const WingPlanform a = Calc_W(mine_.wing[w]), b = Calc_W(other_.wing[w]);
        rows.push_back({say(QT_TRANSLATE_NOOP("Study", "Wing %1: span, %2")).arg(w).arg(unit), a.WingSpan,
                        b.WingSpan, m, o});
        rows.push_back({say(QT_TRANSLATE_NOOP("Study", "Wing %1: area, %2")).arg(w).arg(areaUnit), a.WingArea,
                        b.WingArea, m, o, true});
        rows.push_back({say(QT_TRANSLATE_NOOP("Study", "Wing %1: mean chord, %2")).arg(w).arg(unit),
                        a.WingMAC, b.WingMAC, m, o});
    }
    const bool m = mineResult_.done(), o = otherResult_.done();
    rows.push_back({say(QT_TRANSLATE_NOOP("Study", "Neutral point, %1")).arg(unit),
                    mineResult_.evaluation.AnpAircraft, otherResult_.evaluation.AnpAircraft, m, o});
    rows.push_back({say(QT_TRANSLATE_NOOP("Study", "Centre of gravity, front, %1")).arg(unit),
                    mineResult_.stability.CgFront, otherResult_.stability.CgFront, m, o});
    rows.push_back({say(QT_TRANSLATE_NOOP("Study", "Centre of gravity, rear, %1")).arg(unit),
                    mineResult_.stability.CgRear, otherResult_.stability.CgRear, m, o});
    table_->setRowCount(int(rows.size()));
    table_->setHorizontalHeaderLabels({say(QT_TRANSLATE_NOOP("Study", "This aircraft")), otherName,
                                       say(QT_TRANSLATE_NOOP("Study", "Difference"))});
    QStringList names;
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& r = rows[i];
        names << r.name;
        const QString none = QStringLiteral("–");
        auto cell = [&r, units](double v) {
            return r.area ? QString::fromStdString(areaText(v, units)) : lengthCell(v);
        };
        table_->setItem(i, 0, new QTableWidgetItem(r.mineKnown ? cell(r.mine) : none));
        table_->setItem(i, 1, new QTableWidgetItem(r.otherKnown ? cell(r.other) : none));
        table_->setItem(i, 2,
                        new QTableWidgetItem(r.mineKnown && r.otherKnown ? cell(r.other - r.mine) : none));
        for (int c = 0; c < 3; ++c) table_->item(i, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table_->setVerticalHeaderLabels(names);
    legend_->setText(
        say(QT_TRANSLATE_NOOP("Study", "Solid: this aircraft; dashed: %1. Read-only.")).arg(otherName));
}

}  // namespace ws
