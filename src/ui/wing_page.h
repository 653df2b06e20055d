// A wing page: the trapezium choice, the entry fields over the dimension
// sketch, the centre-gap warning, the planform view and the value labels.
#pragma once

#include <array>

#include "model/aircraft.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace ws {

class ImageWidget;

struct WingPage {
    QWidget* page = nullptr;
    QFrame* panel = nullptr;
    std::array<QRadioButton*, kMaxTrapeziums + 1> trap{};  // [1..4]
    ImageWidget* schematic = nullptr;
    ImageWidget* planform = nullptr;
    QLineEdit* gap = nullptr;
    std::array<QLineEdit*, kMaxTrapeziums + 1> span{};  // [1..4]
    std::array<QLineEdit*, kMaxStations + 1> chord{};   // [1..5]
    std::array<QLineEdit*, kMaxStations + 1> offset{};  // [2..5]
    QLabel* warning1 = nullptr;
    QLabel* warning2 = nullptr;
    QLabel* captionB = nullptr;
    QLabel* captionS = nullptr;
    QLabel* captionLm = nullptr;
    QLabel* captionR25 = nullptr;
    QLabel* captionLam = nullptr;
    QLabel* valueB = nullptr;
    QLabel* valueS = nullptr;
    QLabel* valueLm = nullptr;
    QLabel* valueR25 = nullptr;
    QLabel* valueLam = nullptr;
    QLabel* anpCaption = nullptr;
    QLabel* anpValue = nullptr;
};

// Adds wing w's page (w = 1..3) to `tabs` in its design state, the fields
// holding the start-up wing; captions come later.
WingPage buildWingPage(QTabWidget* tabs, int w);

}  // namespace ws
