// The info dialog: what the program does, in three lines, and its credits,
// whose contact lines link to the README's contact. Shown without blocking;
// its texts follow the interface language each time it is opened; its Close
// button and Esc close it.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace ws {

class TForm2 : public QWidget {
    Q_OBJECT
  public:
    // A window of its own above `parent`.
    explicit TForm2(QWidget* parent = nullptr);

    // Writes Label1 ... Label8 (the version) in the language and fits the window to them.
    void showTexts();
    // showTexts, then shows the window or brings it to the front.
    void open();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    std::array<QLabel*, 10> label_{};  // [1..9]
    QPushButton* close_ = nullptr;
};

}  // namespace ws
