#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <set>

#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

using Layout = MainWindowTest;

TEST_F(Layout, WindowMenusAndToolButtons) {
    EXPECT_EQ(form->windowTitle(), " WinStabix4  V2.5");
    form->layout()->activate();
    EXPECT_EQ(form->centralWidget()->size(), designSize(987, 732));
    EXPECT_EQ(form->minimumSize(), designSize(810, 630));

    auto* tabs = get<QTabWidget>("PageControl1");
    EXPECT_EQ(tabs->geometry(), design(0, 27, 966, 702));
    const char* order[] = {"TabSheet5", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    const char* captions[] = {"     Aircraft    ", " Wing 1 ", "  Wing 2  ", " Wing 3 ", "Remarks"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->widget(i)->objectName(), order[i]);
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        EXPECT_EQ(tabs->isTabVisible(i), i != 3) << order[i];
    }
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");

    EXPECT_EQ(get<QAction>("wing11")->text(), "Wing-1");
    EXPECT_TRUE(get<QAction>("wing21")->isEnabled());
    EXPECT_FALSE(get<QAction>("wing31")->isEnabled());
    EXPECT_TRUE(get<QAction>("aircraft1")->isEnabled());
    EXPECT_FALSE(get<QAction>("Save3")->isEnabled());
    EXPECT_FALSE(get<QAction>("Print1")->isEnabled());
    EXPECT_TRUE(get<QAction>("Exit1")->isEnabled());
    EXPECT_EQ(get<QAction>("german1")->text(), "deutsch");
    EXPECT_FALSE(get<QAction>("francais1")->isVisible());

    struct Tool {
        const char* name;
        int left;
        const char* hint;
    };
    for (const Tool& t : {Tool{"SpeedButton1", 2, "Open File"}, Tool{"SpeedButton2", 34, "Save File as"},
                          Tool{"SpeedButton3", 66, "Save File"}, Tool{"SpeedButton5", 98, "Print"},
                          Tool{"SpeedButton4", 130, "Calc"}}) {
        auto* button = get<QToolButton>(t.name);
        EXPECT_EQ(button->geometry(), design(t.left, 0, 29, 27)) << t.name;
        EXPECT_EQ(button->toolTip(), t.hint);
        EXPECT_FALSE(button->icon().isNull()) << t.name;
    }
    EXPECT_FALSE(get<QToolButton>("SpeedButton3")->isEnabled());
    EXPECT_FALSE(get<QToolButton>("SpeedButton5")->isEnabled());
    auto* name = get<QLabel>("Lab_FName");
    EXPECT_EQ(name->geometry(), design(98, 2, 583, 19));
    EXPECT_EQ(name->text(), "Unknown.da4");
    EXPECT_TRUE(name->alignment() & Qt::AlignRight);
}

TEST_F(Layout, AircraftPage) {
    auto* two = get<QRadioButton>("RadioButton2");
    EXPECT_TRUE(two->isChecked());
    EXPECT_EQ(two->parentWidget()->objectName(), "Panel1");
    EXPECT_EQ(two->geometry(), design(100, 10, 88, 21));
    EXPECT_EQ(get<QRadioButton>("RadioButton3")->text(), "3 Wings");

    EXPECT_EQ(get<ImageWidget>("Image5")->geometry(), design(20, 69, 211, 103));
    EXPECT_FALSE(get<ImageWidget>("Image55")->isHidden());
    EXPECT_TRUE(get<ImageWidget>("Image555")->isHidden());
    auto* x2 = get<QLineEdit>("Edit_x2");
    EXPECT_EQ(x2->geometry(), design(59, 197, 51, 24));
    EXPECT_EQ(x2->text(), "680");
    EXPECT_EQ(x2->palette().color(QPalette::Text), QColor(255, 0, 255));
    EXPECT_EQ(get<QLineEdit>("Edit_z1")->geometry(), design(128, 118, 50, 24));
    EXPECT_EQ(get<QLineEdit>("Edit_x3")->text(), "-130");
    EXPECT_TRUE(get<QLineEdit>("Edit_x3")->isHidden());
    EXPECT_TRUE(get<QLineEdit>("Edit_z3")->isHidden());

    auto* calculate = get<QPushButton>("Button4");
    EXPECT_EQ(calculate->geometry(), design(0, 400, 241, 41));
    EXPECT_EQ(calculate->text(), "Calculate Aerodynamic Center");
    EXPECT_TRUE(get<QLabel>("Label_w")->isHidden());
    EXPECT_TRUE(get<QRadioButton>("RadioButton15")->isChecked());
    EXPECT_EQ(get<QRadioButton>("RadioButton16")->geometry(), design(0, 471, 238, 21));
    EXPECT_TRUE(get<QLineEdit>("Edit31")->isHidden());
    EXPECT_EQ(get<QLineEdit>("Edit31")->text(), "7.5");
    EXPECT_TRUE(get<QPushButton>("Button6")->isHidden());
    // The start-up recalculation has hidden the message box.
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->isHidden());
    EXPECT_EQ(get<QPlainTextEdit>("Memo1")->toPlainText(), "Error: ");

    auto* top = get<ImageWidget>("Image2");
    EXPECT_EQ(top->geometry(), design(276, 0, 694, 369));
    EXPECT_EQ(top->image().size(), top->size());
    EXPECT_EQ(get<ImageWidget>("Image3")->geometry(), design(276, 396, 684, 246));
    auto* elevation = get<QScrollBar>("ScrollBar1");
    EXPECT_EQ(elevation->geometry(), design(252, 423, 21, 228));
    EXPECT_EQ(elevation->orientation(), Qt::Vertical);
    EXPECT_EQ(elevation->value(), 80);
    EXPECT_EQ(elevation->maximum(), 90);
    auto* azimuth = get<QScrollBar>("ScrollBar2");
    EXPECT_EQ(azimuth->orientation(), Qt::Horizontal);
    EXPECT_EQ(azimuth->value(), 250);
    EXPECT_EQ(azimuth->maximum(), 360);
    EXPECT_TRUE(get<QScrollBar>("ScrollBar3")->isHidden());
    EXPECT_EQ(get<QScrollBar>("ScrollBar3")->value(), 100);
    EXPECT_EQ(get<QScrollBar>("ScrollBar4")->value(), 75);
    EXPECT_TRUE(get<ImageWidget>("Image_P")->isHidden());
    EXPECT_EQ(get<ImageWidget>("Image_P")->image().size(), design(433, -89, 985, 1502).size());
}

TEST_F(Layout, WingPagesShowOnlyTheFirstTrapezium) {
    for (const char* shown : {"Edit01", "Edit1", "Edit4", "Edit5", "Edit8"})
        EXPECT_FALSE(get<QLineEdit>(shown)->isHidden()) << shown;
    for (const char* hidden : {"Edit2", "Edit3", "Edit14y", "Edit6", "Edit7", "Edit14x", "Edit9", "Edit10",
                               "Edit14xx", "Edit12", "Edit24x", "Edit34xx"})
        EXPECT_TRUE(get<QLineEdit>(hidden)->isHidden()) << hidden;

    EXPECT_TRUE(get<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_EQ(get<QRadioButton>("RadioButton41t")->geometry(), design(391, 10, 122, 21));
    EXPECT_EQ(get<QRadioButton>("RadioButton41t")->parentWidget()->objectName(), "Panel2");
    EXPECT_EQ(get<ImageWidget>("Image_W")->geometry(), design(20, 49, 923, 246));
    EXPECT_EQ(get<ImageWidget>("Image1")->geometry(), design(345, 295, 601, 336));
    EXPECT_EQ(get<QLineEdit>("Edit1")->geometry(), design(256, 79, 60, 24));
    EXPECT_EQ(get<QLineEdit>("Edit14xx")->geometry(), design(837, 138, 60, 24));
    EXPECT_EQ(get<QLineEdit>("Edit14xx")->text(), "300");
    EXPECT_EQ(get<QLineEdit>("Edit4")->palette().color(QPalette::Text), QColor(0, 0, 255));

    auto* lam = get<QLabel>("Label5");
    EXPECT_EQ(lam->text(), "aspect ratio (lam):");
    EXPECT_EQ(lam->pos(), design(27, 473));
    EXPECT_EQ(get<QLabel>("Label4")->pos(), design(27, 492));
    EXPECT_EQ(get<QLabel>("Label_b1")->pos(), design(236, 414));
    EXPECT_EQ(get<QLabel>("Label_r251")->pos(), design(236, 492));
    EXPECT_FALSE(get<QLabel>("Label25")->isEnabled());
    EXPECT_EQ(get<QLabel>("Label25")->pos(), design(27, 512));
    EXPECT_TRUE(get<QLabel>("Label_anp1")->isHidden());
    EXPECT_EQ(get<QLabel>("Label_sp1")->pos(), design(7, 315));

    // Wings 2 and 3: their own names and colours, a few pixels apart.
    EXPECT_TRUE(get<QRadioButton>("RadioButton7")->isChecked());
    EXPECT_EQ(get<QLineEdit>("Edit12")->pos(), design(496, 79));
    EXPECT_EQ(get<QLineEdit>("Edit14")->text(), "90");
    EXPECT_EQ(get<QLineEdit>("Edit14")->palette().color(QPalette::Text), QColor(255, 0, 255));
    EXPECT_EQ(get<QLabel>("Label_sp4")->pos(), design(10, 345));
    EXPECT_EQ(get<QLineEdit>("Edit22")->pos(), design(502, 79));
    EXPECT_EQ(get<QLineEdit>("Edit23")->pos(), design(689, 79));
    EXPECT_EQ(get<QLineEdit>("Edit34x")->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(get<QLabel>("Label_Sp6")->pos(), design(7, 345));
    EXPECT_EQ(get<QLabel>("Label16")->text(), "wing span (b):");

    auto* remarks = get<QPlainTextEdit>("Memo2");
    EXPECT_EQ(remarks->geometry(), design(30, 30, 690, 562));
    EXPECT_EQ(remarks->toPlainText(), "insert your remarks her:");
}

// The dimension sketch is drawn in fixed image pixels; each field must cover
// the column of its arrow (a station) or the middle of its span arrow.
TEST_F(Layout, FieldsStandOnTheArrowsOfTheSketch) {
    EXPECT_EQ(design(20, 49, 923, 246), QRect(16, 39, 738, 197));
    struct Column {
        const char* field;
        int sketchX;
    };
    // Stations of the sketch at x = 107, 314, 519, 619, 688; the gap arrow starts at 3.
    const Column columns[] = {{"Edit01", (3 + 107) / 2},
                              {"Edit1", (107 + 314) / 2},
                              {"Edit2", (314 + 519) / 2},
                              {"Edit3", (519 + 619) / 2},
                              {"Edit14y", (619 + 688) / 2},
                              {"Edit4", 107},
                              {"Edit5", 314},
                              {"Edit6", 519},
                              {"Edit7", 619},
                              {"Edit14x", 688},
                              {"Edit8", 314},
                              {"Edit9", 519},
                              {"Edit10", 619},
                              {"Edit14xx", 688},
                              {"Edit12", (314 + 519) / 2},
                              {"Edit22", (314 + 519) / 2},
                              {"Edit23", (519 + 619) / 2}};
    for (const Column& c : columns) {
        auto* field = get<QLineEdit>(c.field);
        auto* sketch =
            field->parentWidget()->findChildren<ImageWidget*>(QRegularExpression("^Image_W")).value(0);
        ASSERT_NE(sketch, nullptr);
        const int x = sketch->x() + c.sketchX;
        EXPECT_LE(field->geometry().left(), x) << c.field;
        EXPECT_GE(field->geometry().right(), x) << c.field;
    }
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(Layout, EveryFieldHasItsOwnAccessibleName) {
    std::set<QString> seen;
    QList<QWidget*> fields;
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) fields.append(e);
    for (QPlainTextEdit* e : form->findChildren<QPlainTextEdit*>()) fields.append(e);
    EXPECT_EQ(fields.size(), 3 * 14 + 6 + 1 + 2);
    for (QWidget* field : fields) {
        const QString name = accessibleName(field);
        EXPECT_FALSE(name.isEmpty()) << field->objectName().toStdString();
        EXPECT_TRUE(seen.insert(name).second) << name.toStdString();
    }
    EXPECT_EQ(accessibleName(get<QLineEdit>("Edit4")), "Root chord of wing 1, mm");
    EXPECT_EQ(accessibleName(get<QLineEdit>("Edit24x")), "Tip chord of trapezium 4 of wing 2, mm");
    EXPECT_EQ(accessibleName(get<ImageWidget>("Image2")), "Top view of the aircraft");
    for (ImageWidget* image : form->findChildren<ImageWidget*>())
        EXPECT_FALSE(accessibleName(image).isEmpty()) << image->objectName().toStdString();
    for (const char* bar : {"ScrollBar1", "ScrollBar2", "ScrollBar3", "ScrollBar4"})
        EXPECT_FALSE(accessibleName(get<QScrollBar>(bar)).isEmpty()) << bar;
    // Labels and buttons are read by their text.
    EXPECT_EQ(accessibleName(get<QPushButton>("Button4")), "Calculate Aerodynamic Center");
    EXPECT_EQ(accessibleName(get<QLabel>("Label1")), "wing span (b):");
}

}  // namespace
}  // namespace ws::testing
