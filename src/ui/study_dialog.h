// The parameter study: one value of the aircraft stepped over a range, each
// variant calculated off the event loop's thread on a copy of the aircraft,
// and plotted against the value: the neutral point, the recommended
// centre-of-gravity range as a band, the desired position with a manual
// margin, and with balance data the centre of gravity as built and its
// static margin. A click on a point puts that value into the aircraft as
// one step of its history; the document is not touched otherwise.
// Lengths mm, x rearwards.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <atomic>
#include <optional>
#include <vector>

#include "solver/study.h"

class QChart;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace ws {

class AircraftDocument;

class StudyDialog : public QDialog {
    Q_OBJECT
  public:
    explicit StudyDialog(AircraftDocument& document, QWidget* parent = nullptr);
    ~StudyDialog() override;

    // The parameter and range the next study runs; the range follows a change of parameter.
    void setStudy(const StudyParameter& parameter, double from, double to, int steps);
    // Starts the study of the parameter and range shown (a running one first stops).
    void start();
    void cancel();
    bool running() const;
    const std::vector<StudyRow>& rows() const { return rows_; }
    const StudyParameter& studiedParameter() const { return studied_; }
    // The value of row `i` put into the aircraft (a refused row's too: its
    // values are the user's to try).
    void adopt(int i);
    // What a hover over row `i` shows.
    QString rowText(int i) const;

    // The outputs; each returns what went wrong, empty when written.
    QString exportCsv(const QString& path) const;
    QString exportSvg(const QString& path) const;
    QString exportPng(const QString& path) const;

  signals:
    void studyFinished();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void fillParameters();
    void parameterChosen();
    std::optional<StudyParameter> chosenParameter() const;
    void finish();
    void plot();
    void hover(const QPointF& point, bool state);
    void showRange(const StudyParameter& p, double from, double to);
    int rowAt(double plotX) const;  // the row nearest a point of the plot
    // Where the aircraft as it stands lies on the study's axis; a scale
    // against the studied wing's root chord.
    double currentOnAxis() const;
    void retranslate();
    void askExport(int which);
    void printPlot();

    AircraftDocument& doc_;
    QComboBox* parameterBox_;
    QDoubleSpinBox* fromBox_;
    QDoubleSpinBox* toBox_;
    QSpinBox* stepsBox_;
    QPushButton* runButton_;
    QPushButton* cancelButton_;
    QProgressBar* progress_;
    QLabel* parameterLabel_;
    QLabel* fromLabel_;
    QLabel* toLabel_;
    QLabel* stepsLabel_;
    QLabel* hoverLabel_;
    QPushButton* csvButton_;
    QPushButton* svgButton_;
    QPushButton* pngButton_;
    QPushButton* printButton_;
    QChartView* chartView_;
    QChart* chart_;
    QTimer* progressTimer_;
    QFutureWatcher<std::vector<StudyRow>> watcher_;
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
    int total_ = 0;
    StudyParameter studied_;
    double studiedCurrent_ = 0;
    AircraftModel studiedModel_;  // the aircraft the study varied
    bool manual_ = false;
    std::vector<StudyRow> rows_;
};

}  // namespace ws
