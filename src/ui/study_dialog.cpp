#include "ui/study_dialog.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <memory>

#include "document/aircraft_document.h"
#include "export/study_csv.h"
#include "files/file_io.h"
#include "model/number_format.h"
#include "model/units.h"
#include "texts/study_texts.h"
#include "texts/translation.h"

namespace ws {
namespace {

// Every length the dialog writes goes through these two, so that they can
// follow the unit choice; the CSV stays in mm.
QString lengthText(double mm) {
    return QString::fromStdString(lengthWithSymbol(mm, unitsInForce(), 1));
}
QString lengthAxisTitle(const QString& what) {
    return what + QStringLiteral(", ") + QString::fromUtf8(unitSymbol(unitsInForce()));
}

// Millimetres in one shown unit of the parameter: lengths in the unit in force, the scale in %.
double mmPerShown(const StudyParameter& p) {
    return isLength(p.kind) ? mmPerUnit(unitsInForce()) : 1.0;
}

QString say(const char* source) {
    return QCoreApplication::translate("Study", source);
}

QString valueText(const StudyParameter& p, double value) {
    return isLength(p.kind) ? lengthText(value)
                            : QString::fromStdString(fixed(value, 1)) + QStringLiteral(" %");
}

QString parameterWords(const StudyParameter& p) {
    switch (p.kind) {
        case StudyKind::Chord:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: chord at station %2")).arg(p.wing).arg(p.index);
        case StudyKind::Span:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: span of trapezium %2")).arg(p.wing).arg(p.index);
        case StudyKind::Offset:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: leading-edge offset at station %2"))
                .arg(p.wing)
                .arg(p.index);
        case StudyKind::Gap:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: centre gap")).arg(p.wing);
        case StudyKind::X:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: position x (tail arm)")).arg(p.wing);
        case StudyKind::Z:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: height z")).arg(p.wing);
        case StudyKind::Scale:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1: size (chords, spans and offsets)")).arg(p.wing);
    }
    return {};
}

QString axisTitle(const StudyParameter& p) {
    return isLength(p.kind) ? lengthAxisTitle(parameterWords(p)) : parameterWords(p) + QStringLiteral(", %");
}

int packed(const StudyParameter& p) {
    return p.wing * 1000 + int(p.kind) * 10 + p.index;
}
StudyParameter unpacked(int code) {
    return {code / 1000, StudyKind((code % 1000) / 10), code % 10};
}

// The runs of rows calculated one after another: each is drawn as one line.
std::vector<std::pair<int, int>> calculatedRuns(const std::vector<StudyRow>& rows) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < int(rows.size()); ++i) {
        if (!rows[i].done) continue;
        if (runs.empty() || runs.back().second != i)
            runs.emplace_back(i, i + 1);
        else
            runs.back().second = i + 1;
    }
    return runs;
}

QLineSeries* line(QChart* chart, const QColor& colour, Qt::PenStyle style = Qt::SolidLine, qreal width = 2) {
    auto* series = new QLineSeries(chart);
    QPen pen(colour, width);
    pen.setStyle(style);
    series->setPen(pen);
    return series;
}

}  // namespace

StudyDialog::StudyDialog(AircraftDocument& document, QWidget* parent)
    : QDialog(parent),
      doc_(document),
      parameterBox_(new QComboBox(this)),
      fromBox_(new QDoubleSpinBox(this)),
      toBox_(new QDoubleSpinBox(this)),
      stepsBox_(new QSpinBox(this)),
      runButton_(new QPushButton(this)),
      cancelButton_(new QPushButton(this)),
      progress_(new QProgressBar(this)),
      parameterLabel_(new QLabel(this)),
      fromLabel_(new QLabel(this)),
      toLabel_(new QLabel(this)),
      stepsLabel_(new QLabel(this)),
      hoverLabel_(new QLabel(this)),
      csvButton_(new QPushButton(this)),
      svgButton_(new QPushButton(this)),
      pngButton_(new QPushButton(this)),
      printButton_(new QPushButton(this)),
      chartView_(new QChartView(this)),
      chart_(new QChart),
      progressTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("StudyDialog"));
    parameterBox_->setObjectName(QStringLiteral("StudyParameter"));
    fromBox_->setObjectName(QStringLiteral("StudyFrom"));
    toBox_->setObjectName(QStringLiteral("StudyTo"));
    stepsBox_->setObjectName(QStringLiteral("StudySteps"));
    runButton_->setObjectName(QStringLiteral("StudyRun"));
    cancelButton_->setObjectName(QStringLiteral("StudyCancel"));
    progress_->setObjectName(QStringLiteral("StudyProgress"));
    hoverLabel_->setObjectName(QStringLiteral("StudyHover"));
    chartView_->setObjectName(QStringLiteral("StudyPlot"));
    for (QDoubleSpinBox* box : {fromBox_, toBox_}) {
        box->setRange(-100000, 100000);
        box->setDecimals(0);
    }
    stepsBox_->setRange(kFewestStudySteps, kMostStudySteps);
    stepsBox_->setValue(50);
    cancelButton_->setEnabled(false);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    hoverLabel_->setWordWrap(true);
    hoverLabel_->setMinimumHeight(3 * fontMetrics().height());
    hoverLabel_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    // The view's own first chart is released, not deleted, by setChart.
    std::unique_ptr<QChart> first(chartView_->chart());
    chartView_->setChart(chart_);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(640, 400);
    resize(900, 680);

    auto* inputs = new QGridLayout;
    inputs->addWidget(parameterLabel_, 0, 0);
    inputs->addWidget(parameterBox_, 0, 1, 1, 5);
    inputs->addWidget(fromLabel_, 1, 0);
    inputs->addWidget(fromBox_, 1, 1);
    inputs->addWidget(toLabel_, 1, 2);
    inputs->addWidget(toBox_, 1, 3);
    inputs->addWidget(stepsLabel_, 1, 4);
    inputs->addWidget(stepsBox_, 1, 5);
    auto* run = new QHBoxLayout;
    run->addWidget(runButton_);
    run->addWidget(cancelButton_);
    run->addWidget(progress_, 1);
    auto* outputs = new QHBoxLayout;
    for (QPushButton* b : {csvButton_, svgButton_, pngButton_, printButton_}) outputs->addWidget(b);
    outputs->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(run);
    layout->addWidget(chartView_, 1);
    layout->addWidget(hoverLabel_);
    layout->addLayout(outputs);

    connect(parameterBox_, &QComboBox::currentIndexChanged, this, &StudyDialog::parameterChosen);
    connect(runButton_, &QPushButton::clicked, this, &StudyDialog::start);
    connect(cancelButton_, &QPushButton::clicked, this, &StudyDialog::cancel);
    connect(&watcher_, &QFutureWatcher<std::vector<StudyRow>>::finished, this, &StudyDialog::finish);
    connect(progressTimer_, &QTimer::timeout, this, [this] { progress_->setValue(done_.load()); });
    connect(csvButton_, &QPushButton::clicked, this, [this] { askExport(0); });
    connect(svgButton_, &QPushButton::clicked, this, [this] { askExport(1); });
    connect(pngButton_, &QPushButton::clicked, this, [this] { askExport(2); });
    connect(printButton_, &QPushButton::clicked, this, &StudyDialog::printPlot);
    progressTimer_->setInterval(40);
    // A wing or trapezium more or less changes what can be studied.
    connect(&doc_, &AircraftDocument::aircraftChanged, this, [this](const AircraftChange& change) {
        using Kind = AircraftChange::Kind;
        if (change.kind == Kind::WingCount || change.kind == Kind::TrapCount ||
            change.kind == Kind::Everything)
            fillParameters();
        // The current value's mark follows an adopted value, its undo and any other edit.
        if (!rows_.empty()) {
            studiedCurrent_ = currentOnAxis();
            plot();
        }
    });
    retranslate();
    fillParameters();
    plot();
}

StudyDialog::~StudyDialog() {
    stop_ = true;
    watcher_.waitForFinished();
}

void StudyDialog::fillParameters() {
    const QSignalBlocker quiet(parameterBox_);
    const int kept = parameterBox_->currentData().toInt();
    parameterBox_->clear();
    const AircraftModel& m = doc_.model();
    for (int w = 1; w <= m.WingCount; ++w) {
        const int t = m.wing[w].TrapCount;
        std::vector<StudyParameter> list{
            {w, StudyKind::Scale, 0}, {w, StudyKind::X, 0}, {w, StudyKind::Z, 0}};
        for (int j = 1; j <= t + 1; ++j) list.push_back({w, StudyKind::Chord, j});
        for (int k = 1; k <= t; ++k) list.push_back({w, StudyKind::Span, k});
        for (int j = 2; j <= t + 1; ++j) list.push_back({w, StudyKind::Offset, j});
        list.push_back({w, StudyKind::Gap, 0});
        for (const StudyParameter& p : list) parameterBox_->addItem(parameterWords(p), packed(p));
    }
    // The tail's size first: what a designer asks most.
    const int preferred =
        m.WingCount >= 2 ? packed({2, StudyKind::Scale, 0}) : packed({1, StudyKind::Scale, 0});
    const int index = parameterBox_->findData(kept ? kept : preferred);
    parameterBox_->setCurrentIndex(index >= 0 ? index : 0);
    parameterChosen();
}

std::optional<StudyParameter> StudyDialog::chosenParameter() const {
    if (parameterBox_->currentIndex() < 0) return std::nullopt;
    return unpacked(parameterBox_->currentData().toInt());
}

void StudyDialog::parameterChosen() {
    const auto p = chosenParameter();
    if (!p) return;
    const double now = studyCurrentValue(doc_.model(), *p);
    const bool signedValue =
        p->kind == StudyKind::Offset || p->kind == StudyKind::X || p->kind == StudyKind::Z;
    double from = std::round(now * 0.6), to = std::round(now * 1.6);
    if (signedValue) {
        const double reach = std::max(100.0, std::round(std::abs(now) * 0.5));
        from = now - reach;
        to = now + reach;
    }
    if (!isLength(p->kind)) {
        from = 60;
        to = 160;
    }
    showRange(*p, from, to);
}

// The range boxes are in the unit in force (lengths) or in %; the study in mm.
void StudyDialog::showRange(const StudyParameter& p, double from, double to) {
    const Units u = unitsInForce();
    const bool length = isLength(p.kind);
    const double perUnit = mmPerShown(p);
    const QString suffix =
        QStringLiteral(" ") + (length ? QString::fromUtf8(unitSymbol(u)) : QStringLiteral("%"));
    for (QDoubleSpinBox* box : {fromBox_, toBox_}) {
        box->setDecimals(length ? lengthDecimals(u, 0) : 0);
        box->setRange(-100000 / perUnit, 100000 / perUnit);
        box->setSuffix(suffix);
    }
    fromBox_->setValue(from / perUnit);
    toBox_->setValue(to / perUnit);
}

void StudyDialog::setStudy(const StudyParameter& parameter, double from, double to, int steps) {
    const int index = parameterBox_->findData(packed(parameter));
    if (index >= 0) parameterBox_->setCurrentIndex(index);
    showRange(parameter, from, to);
    stepsBox_->setValue(steps);
}

bool StudyDialog::running() const {
    return watcher_.isRunning();
}

void StudyDialog::start() {
    const auto p = chosenParameter();
    if (!p) return;
    if (running()) {
        stop_ = true;
        watcher_.waitForFinished();
    }
    const AircraftModel model = doc_.model();
    if (auto problem = studyParameterProblem(*p, model)) {
        hoverLabel_->setText(studyProblemText(*problem));
        return;
    }
    const double perUnit = mmPerShown(*p);
    const std::vector<double> values =
        studyValues(*p, fromBox_->value() * perUnit, toBox_->value() * perUnit, stepsBox_->value());
    StudyOptions options;
    options.marginDesired = doc_.stabilityChoice().marginDesired();
    options.manual = manual_ = doc_.stabilityChoice().manual;
    options.converged = doc_.convergedNeutralPoint();
    studied_ = *p;
    studiedModel_ = model;
    studiedCurrent_ = studyCurrentValue(model, *p);
    total_ = int(values.size());
    done_ = 0;
    stop_ = false;
    progress_->setRange(0, total_);
    progress_->setValue(0);
    runButton_->setEnabled(false);
    cancelButton_->setEnabled(true);
    hoverLabel_->clear();
    progressTimer_->start();
    // The worker sees only its own copies; the document stays on this thread.
    watcher_.setFuture(QtConcurrent::run([this, model, parameter = *p, values, options] {
        return runStudy(model, parameter, values, options, [this](int done, int) {
            done_ = done;
            return !stop_.load();
        });
    }));
}

void StudyDialog::cancel() {
    stop_ = true;
}

void StudyDialog::finish() {
    progressTimer_->stop();
    rows_ = watcher_.result();
    progress_->setValue(int(rows_.size()));
    runButton_->setEnabled(true);
    cancelButton_->setEnabled(false);
    if (int(rows_.size()) < total_)
        hoverLabel_->setText(say(QT_TRANSLATE_NOOP("Study", "Cancelled after %1 of %2 variants."))
                                 .arg(rows_.size())
                                 .arg(total_));
    plot();
    emit studyFinished();
}

void StudyDialog::plot() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    // The rows are in mm; the plot in the unit in force.
    const double perUnit = mmPerUnit(unitsInForce());
    const double xPerUnit = mmPerShown(studied_);
    auto X = [xPerUnit](double v) { return v / xPerUnit; };
    auto Y = [perUnit](double mm) { return mm / perUnit; };
    auto* xAxis = new QValueAxis(chart_);
    auto* yAxis = new QValueAxis(chart_);
    xAxis->setTitleText(axisTitle(studied_));
    yAxis->setTitleText(lengthAxisTitle(say(QT_TRANSLATE_NOOP("Study", "x (rearwards)"))));
    chart_->addAxis(xAxis, Qt::AlignBottom);
    chart_->addAxis(yAxis, Qt::AlignLeft);
    chart_->setTitle(rows_.empty() ? QString() : parameterWords(studied_));
    if (rows_.empty()) return;

    const bool balance =
        std::any_of(rows_.begin(), rows_.end(), [](const StudyRow& r) { return r.actualCg; });
    const bool margin =
        std::any_of(rows_.begin(), rows_.end(), [](const StudyRow& r) { return r.staticMargin.has_value(); });
    QValueAxis* marginAxis = nullptr;
    if (margin) {
        marginAxis = new QValueAxis(chart_);
        marginAxis->setTitleText(say(QT_TRANSLATE_NOOP("Study", "Static margin, %")));
        chart_->addAxis(marginAxis, Qt::AlignRight);
    }
    double low = INFINITY, high = -INFINITY, marginLow = INFINITY, marginHigh = -INFINITY;
    auto attach = [&](QAbstractSeries* s, bool onMargin = false) {
        chart_->addSeries(s);
        s->attachAxis(xAxis);
        s->attachAxis(onMargin ? marginAxis : yAxis);
    };
    bool first = true;
    for (const auto& [begin, end] : calculatedRuns(rows_)) {
        auto* front = line(chart_, QColor(0, 0, 255), Qt::SolidLine, 1);
        auto* rear = line(chart_, QColor(0, 0, 255), Qt::SolidLine, 1);
        auto* neutral = line(chart_, QColor(255, 0, 0));
        auto* desired = manual_ ? line(chart_, QColor(0, 0, 128), Qt::DashLine) : nullptr;
        auto* actual = balance ? line(chart_, QColor(255, 140, 0)) : nullptr;
        auto* staticMargin = marginAxis ? line(chart_, QColor(255, 140, 0), Qt::DotLine) : nullptr;
        for (int i = begin; i < end; ++i) {
            const StudyRow& r = rows_[i];
            front->append(X(r.value), Y(r.CgFront));
            rear->append(X(r.value), Y(r.CgRear));
            neutral->append(X(r.value), Y(r.AnpAircraft));
            low = std::min({low, r.CgFront, r.CgRear, r.AnpAircraft});
            high = std::max({high, r.CgFront, r.CgRear, r.AnpAircraft});
            if (desired) {
                desired->append(X(r.value), Y(r.CgDesired));
                low = std::min(low, r.CgDesired);
                high = std::max(high, r.CgDesired);
            }
            if (actual && r.actualCg) {
                actual->append(X(r.value), Y(*r.actualCg));
                low = std::min(low, *r.actualCg);
                high = std::max(high, *r.actualCg);
            }
            if (staticMargin && r.staticMargin) {
                staticMargin->append(X(r.value), *r.staticMargin);
                marginLow = std::min(marginLow, *r.staticMargin);
                marginHigh = std::max(marginHigh, *r.staticMargin);
            }
        }
        auto* band = new QAreaSeries(front, rear);
        band->setParent(chart_);
        band->setColor(QColor(0, 0, 255, 60));
        band->setBorderColor(QColor(0, 0, 255));
        band->setName(say(QT_TRANSLATE_NOOP("Study", "Recommended centre of gravity")));
        neutral->setName(say(QT_TRANSLATE_NOOP("Study", "Neutral point")));
        attach(band);
        attach(neutral);
        if (desired) {
            desired->setName(say(QT_TRANSLATE_NOOP("Study", "Desired centre of gravity")));
            attach(desired);
        }
        if (actual) {
            actual->setName(say(QT_TRANSLATE_NOOP("Study", "Centre of gravity as built")));
            attach(actual);
        }
        if (staticMargin) {
            staticMargin->setName(say(QT_TRANSLATE_NOOP("Study", "Static margin")));
            attach(staticMargin, true);
        }
        if (!first)
            for (QLegendMarker* m : chart_->legend()->markers())
                if (m->series() == band || m->series() == neutral || m->series() == desired ||
                    m->series() == actual || m->series() == staticMargin)
                    m->setVisible(false);
        first = false;
    }
    if (!std::isfinite(low)) low = high = 0;
    const double pad = std::max(5.0, (high - low) * 0.08);
    yAxis->setRange(Y(low - pad), Y(high + pad));
    if (marginAxis && std::isfinite(marginLow)) marginAxis->setRange(marginLow - 2, marginHigh + 2);
    const double xLow = std::min(rows_.front().value, rows_.back().value);
    const double xHigh = std::max(rows_.front().value, rows_.back().value);
    xAxis->setRange(X(std::min(xLow, studiedCurrent_)), X(std::max(xHigh, studiedCurrent_)));
    xAxis->applyNiceNumbers();
    yAxis->applyNiceNumbers();
    if (marginAxis) marginAxis->applyNiceNumbers();

    // The points answer hover and click; refused ones sit on the axis, grey.
    auto* points = new QScatterSeries(chart_);
    points->setName(say(QT_TRANSLATE_NOOP("Study", "Variants (click: adopt)")));
    points->setMarkerSize(7);
    points->setColor(QColor(255, 0, 0));
    auto* refused = new QScatterSeries(chart_);
    refused->setName(say(QT_TRANSLATE_NOOP("Study", "Refused")));
    refused->setMarkerSize(9);
    refused->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    refused->setColor(QColor(128, 128, 128));
    for (const StudyRow& r : rows_)
        r.done ? points->append(X(r.value), Y(r.AnpAircraft))
               : refused->append(X(r.value), Y(low - pad * 0.5));
    attach(points);
    if (refused->count() > 0) {
        attach(refused);
    } else {
        delete refused;
        refused = nullptr;
    }

    auto* current = line(chart_, QColor(0, 128, 0), Qt::DashLine, 1);
    current->setName(say(QT_TRANSLATE_NOOP("Study", "Current value")));
    current->append(X(studiedCurrent_), yAxis->min());
    current->append(X(studiedCurrent_), yAxis->max());
    attach(current);

    for (QScatterSeries* s : {points, refused}) {
        if (s == nullptr || s->chart() == nullptr) continue;
        connect(s, &QScatterSeries::hovered, this, &StudyDialog::hover);
        // Queued: adopting draws the plot anew, which deletes the series that clicked.
        connect(
            s, &QScatterSeries::clicked, this, [this](const QPointF& p) { adopt(rowAt(p.x())); },
            Qt::QueuedConnection);
    }
}

int StudyDialog::rowAt(double plotX) const {
    const double value = plotX * mmPerShown(studied_);
    int best = -1;
    for (int i = 0; i < int(rows_.size()); ++i)
        if (best < 0 || std::abs(rows_[i].value - value) < std::abs(rows_[best].value - value)) best = i;
    return best;
}

QString StudyDialog::rowText(int i) const {
    if (i < 0 || i >= int(rows_.size())) return {};
    const StudyRow& r = rows_[i];
    QString text = parameterWords(studied_) + QStringLiteral(": ") + valueText(studied_, r.value);
    if (!r.done) return text + QStringLiteral("\n") + studyRowNote(r);
    text += QStringLiteral("\n") +
            say(QT_TRANSLATE_NOOP("Study", "Neutral point %1, recommended range %2 to %3"))
                .arg(lengthText(r.AnpAircraft), lengthText(r.CgFront), lengthText(r.CgRear));
    if (manual_)
        text +=
            QStringLiteral(", ") + say(QT_TRANSLATE_NOOP("Study", "desired %1")).arg(lengthText(r.CgDesired));
    if (r.actualCg) {
        text += QStringLiteral("\n") +
                say(QT_TRANSLATE_NOOP("Study", "As built %1")).arg(lengthText(*r.actualCg));
        if (r.staticMargin)
            text += QStringLiteral(", ") + say(QT_TRANSLATE_NOOP("Study", "static margin %1 %"))
                                               .arg(QString::fromStdString(fixed(*r.staticMargin, 1)));
    }
    if (const QString note = studyRowNote(r); !note.isEmpty()) text += QStringLiteral("\n") + note;
    return text;
}

double StudyDialog::currentOnAxis() const {
    if (isLength(studied_.kind)) return studyCurrentValue(doc_.model(), studied_);
    const double base = studiedModel_.wing[studied_.wing].ChordMm[1];
    return base > 0 ? 100 * doc_.model().wing[studied_.wing].ChordMm[1] / base : 100;
}

void StudyDialog::hover(const QPointF& point, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const QString text = rowText(rowAt(point.x()));
    hoverLabel_->setText(text);
    QToolTip::showText(QCursor::pos(), text, chartView_);
}

void StudyDialog::adopt(int i) {
    if (i < 0 || i >= int(rows_.size())) return;
    doc_.adoptStudyValue(studied_, rows_[i].value);
    studiedCurrent_ = currentOnAxis();
    hoverLabel_->setText(say(QT_TRANSLATE_NOOP("Study", "Adopted: %1 (Undo takes it back)."))
                             .arg(valueText(studied_, rows_[i].value)));
}

QString StudyDialog::exportCsv(const QString& path) const {
    const std::string csv = studyCsv(rows_, studyRowNotes(rows_));
    if (auto error = writeFileSafely(path.toStdString(), csv)) return QString::fromStdString(error->reason);
    return {};
}

QString StudyDialog::exportSvg(const QString& path) const {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(chartView_->size());
    svg.setViewBox(QRect(QPoint(0, 0), chartView_->size()));
    svg.setTitle(parameterWords(studied_));
    QPainter painter;
    if (!painter.begin(&svg)) return say(QT_TRANSLATE_NOOP("Study", "Cannot write %1.")).arg(path);
    chartView_->render(&painter);
    painter.end();
    return {};
}

QString StudyDialog::exportPng(const QString& path) const {
    if (!chartView_->grab().save(path, "PNG"))
        return say(QT_TRANSLATE_NOOP("Study", "Cannot write %1.")).arg(path);
    return {};
}

void StudyDialog::askExport(int which) {
    static const char* const filters[] = {QT_TRANSLATE_NOOP("Study", "Comma-separated values (*.csv)"),
                                          QT_TRANSLATE_NOOP("Study", "SVG drawing (*.svg)"),
                                          QT_TRANSLATE_NOOP("Study", "PNG image (*.png)")};
    static const char* const suffixes[] = {".csv", ".svg", ".png"};
    QString path = QFileDialog::getSaveFileName(this, QString(), QString(), say(filters[which]));
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(suffixes[which]), Qt::CaseInsensitive))
        path += QLatin1String(suffixes[which]);
    const QString error = which == 0 ? exportCsv(path) : which == 1 ? exportSvg(path) : exportPng(path);
    hoverLabel_->setText(error.isEmpty() ? say(QT_TRANSLATE_NOOP("Study", "Written: %1")).arg(path) : error);
}

void StudyDialog::printPlot() {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // The plot fitted to one page, its proportions kept.
    const QRect page = painter.viewport();
    QSize size = chartView_->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    chartView_->render(&painter, QRectF(QPointF(page.x(), page.y()), size));
    painter.end();
}

void StudyDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fillParameters();
        plot();
    }
    QDialog::changeEvent(event);
}

void StudyDialog::retranslate() {
    setWindowTitle(say(QT_TRANSLATE_NOOP("Study", "Parameter study")));
    parameterLabel_->setText(say(QT_TRANSLATE_NOOP("Study", "Parameter:")));
    fromLabel_->setText(say(QT_TRANSLATE_NOOP("Study", "From:")));
    toLabel_->setText(say(QT_TRANSLATE_NOOP("Study", "To:")));
    stepsLabel_->setText(say(QT_TRANSLATE_NOOP("Study", "Steps:")));
    runButton_->setText(say(QT_TRANSLATE_NOOP("Study", "Calculate")));
    cancelButton_->setText(say(QT_TRANSLATE_NOOP("Study", "Cancel")));
    csvButton_->setText(say(QT_TRANSLATE_NOOP("Study", "Export CSV…")));
    svgButton_->setText(say(QT_TRANSLATE_NOOP("Study", "Export SVG…")));
    pngButton_->setText(say(QT_TRANSLATE_NOOP("Study", "Export PNG…")));
    printButton_->setText(say(QT_TRANSLATE_NOOP("Study", "Print…")));
}

}  // namespace ws
