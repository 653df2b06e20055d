// The aircraft page: wing-count choice, position fields over the position
// sketches, calculation and stability controls, the top and 3-D views.
#pragma once

#include <array>

#include "model/aircraft.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QWidget;

namespace ws {

class ImageWidget;

struct AircraftPage {
    QWidget* page = nullptr;  // TabSheet5
    QFrame* Panel1 = nullptr;
    std::array<QRadioButton*, kMaxWings + 1> wingCount{};  // [1..3] RadioButton1..3
    QLabel* Label23 = nullptr;
    std::array<ImageWidget*, kMaxWings + 1> picture{};  // [1..3] Image5, Image55, Image555
    std::array<QLineEdit*, kMaxWings + 1> posX{};       // [1..3] Edit_x1..3
    std::array<QLineEdit*, kMaxWings + 1> posZ{};       // [1..3] Edit_z1..3
    QPushButton* Button4 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label_w = nullptr;
    QRadioButton* RadioButton15 = nullptr;
    QRadioButton* RadioButton16 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Edit31 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* Button6 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;  // elevation of the 3-D view
    QScrollBar* ScrollBar2 = nullptr;  // azimuth of the 3-D view
    QScrollBar* ScrollBar3 = nullptr;  // top-view zoom
    QScrollBar* ScrollBar4 = nullptr;  // 3-D zoom
    ImageWidget* Image2 = nullptr;     // top view
    ImageWidget* Image3 = nullptr;     // 3-D view
    ImageWidget* Image4 = nullptr;     // print copies, never shown
    ImageWidget* Image7 = nullptr;
    ImageWidget* Image_P = nullptr;
};

// Adds the page to `tabs` in its design state; captions come later.
AircraftPage buildAircraftPage(QTabWidget* tabs);

}  // namespace ws
