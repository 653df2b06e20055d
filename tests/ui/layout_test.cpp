#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
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
    EXPECT_EQ(form->windowTitle(), " WinStabix4  V2.5 - Unknown.da4[*]");
    form->layout()->activate();
    EXPECT_EQ(form->centralWidget()->size(), designSize(987, 732));

    // The page of a wing not in use is out of the tab control, so that no
    // screen reader announces it; it comes back in its place.
    auto* tabs = get<QTabWidget>("PageControl1");
    const char* order[] = {"TabSheet5", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    const char* captions[] = {"     Aircraft    ", " Wing 1 ", "  Wing 2  ", " Wing 3 ", "Remarks"};
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
    for (int wings : {3, 1, 2}) {
        SCOPED_TRACE(wings);
        get<QAbstractButton>(("RadioButton" + std::to_string(wings)).c_str())->click();
        int tab = 0;
        for (int i = 0; i < 5; ++i) {
            if (i == 2 && wings < 2) continue;
            if (i == 3 && wings < 3) continue;
            EXPECT_EQ(tabs->widget(tab)->objectName(), order[i]);
            EXPECT_EQ(tabs->tabText(tab), captions[i]);
            EXPECT_EQ(bar->child(tab)->text(QAccessible::Name), captions[i]);
            ++tab;
        }
        EXPECT_EQ(tabs->count(), tab);
        int pageTabs = 0;
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface* child = bar->child(i);
            pageTabs += child->isValid() && child->role() == QAccessible::PageTab;
        }
        EXPECT_EQ(pageTabs, tab);
    }
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");

    EXPECT_EQ(get<QAction>("wing11")->text(), "Wing-1");
    EXPECT_EQ(get<QAction>("german1")->text(), "deutsch");
    for (const char* on : {"wing21", "aircraft1", "Exit1"}) EXPECT_TRUE(get<QAction>(on)->isEnabled()) << on;
    for (const char* off : {"wing31", "Print1"}) EXPECT_FALSE(get<QAction>(off)->isEnabled()) << off;
    EXPECT_FALSE(get<QAction>("francais1")->isVisible());

    struct Tool {
        const char* name;
        int left;
        const char* hint;
    };
    for (const Tool& t : {Tool{"SpeedButton1", 2, "Open File"}, Tool{"SpeedButton2", 34, "Save File as"},
                          Tool{"SpeedButton3", 66, "Save File"}, Tool{"SpeedButton5", 98, "Print"},
                          Tool{"SpeedButton4", 130, "Calc (F5)"}}) {
        auto* button = get<QToolButton>(t.name);
        EXPECT_EQ(button->geometry(), design(t.left, 0, 29, 27)) << t.name;
        EXPECT_EQ(button->toolTip(), t.hint);
        EXPECT_FALSE(button->icon().isNull()) << t.name;
    }
    EXPECT_FALSE(get<QToolButton>("SpeedButton5")->isEnabled());
    auto* name = get<QLabel>("Lab_FName");
    EXPECT_EQ(name->text(), "Unknown.da4");
    EXPECT_TRUE(name->alignment() & Qt::AlignRight);
}

TEST_F(Layout, ControlsOfEveryPageAtTheirDesignPlaces) {
    const std::pair<const char*, QRect> places[] = {
        {"PageControl1", design(0, 27, 966, 702)},    {"Lab_FName", design(98, 2, 583, 19)},
        {"RadioButton2", design(100, 10, 88, 21)},    {"Edit_x2", design(59, 197, 51, 24)},
        {"Button4", design(0, 400, 241, 41)},         {"Image2", design(276, 0, 694, 369)},
        {"RadioButton41t", design(391, 10, 122, 21)}, {"Image_W", design(20, 49, 923, 246)},
        {"Image1", design(345, 295, 601, 336)},       {"Edit14xx", design(837, 138, 60, 24)},
        {"Memo2", design(30, 30, 690, 562)}};
    for (const auto& [name, rect] : places) EXPECT_EQ(get<QWidget>(name)->geometry(), rect) << name;
    // Labels size themselves to their text: only their corner is placed. Wings 2
    // and 3 stand a few pixels apart from wing 1.
    const std::pair<const char*, QPoint> corners[] = {
        {"Label5", design(27, 473)},    {"Label_b1", design(236, 414)}, {"Label_sp1", design(7, 315)},
        {"Label_sp4", design(10, 345)}, {"Label_Sp6", design(7, 345)},  {"Edit12", design(496, 79)},
        {"Edit22", design(502, 79)}};
    for (const auto& [name, corner] : corners) EXPECT_EQ(get<QWidget>(name)->pos(), corner) << name;
    EXPECT_EQ(get<QWidget>("RadioButton2")->parentWidget()->objectName(), "Panel1");
    EXPECT_EQ(get<QWidget>("RadioButton41t")->parentWidget()->objectName(), "Panel2");
    EXPECT_EQ(get<ImageWidget>("Image2")->image().size(), get<ImageWidget>("Image2")->size());
    EXPECT_EQ(get<ImageWidget>("Image_P")->image().size(), design(433, -89, 985, 1502).size());
}

TEST_F(Layout, StartStatesOfEveryPage) {
    // Only trapezium 1 of every wing is shown; the start-up recalculation has hidden the message box.
    for (const char* name :
         {"Image555", "Edit_x3",    "Edit_z3",  "Label_w", "Edit31",  "Button6", "Memo1", "ScrollBar3",
          "Image_P",  "Label_anp1", "Edit2",    "Edit3",   "Edit14y", "Edit6",   "Edit7", "Edit14x",
          "Edit9",    "Edit10",     "Edit14xx", "Edit12",  "Edit24x", "Edit34xx"})
        EXPECT_TRUE(get<QWidget>(name)->isHidden()) << name;
    for (const char* name : {"Image55", "Edit01", "Edit1", "Edit4", "Edit5", "Edit8"})
        EXPECT_FALSE(get<QWidget>(name)->isHidden()) << name;
    for (const char* name : {"RadioButton2", "RadioButton15", "RadioButton4", "RadioButton7"})
        EXPECT_TRUE(get<QAbstractButton>(name)->isChecked()) << name;
    EXPECT_FALSE(get<QLabel>("Label25")->isEnabled());

    const char* texts[][2] = {{"Edit_x3", "-130"},         {"Edit31", "7.5"},
                              {"Edit14xx", "300"},         {"Button4", "Calculate Aerodynamic Center"},
                              {"RadioButton3", "3 Wings"}, {"Label16", "wing span (b):"},
                              {"Memo1", "Error: "},        {"Memo2", "insert your remarks her:"}};
    for (const auto& [name, text] : texts) EXPECT_EQ(textOf(name), text) << name;
    const std::pair<const char*, QColor> colours[] = {
        {"Edit4", QColor(0, 0, 255)}, {"Edit_x2", QColor(255, 0, 255)}, {"Edit34x", QColor(0, 128, 0)}};
    for (const auto& [name, colour] : colours)
        EXPECT_EQ(get<QWidget>(name)->palette().color(QPalette::Text), colour) << name;

    EXPECT_EQ(get<QScrollBar>("ScrollBar1")->orientation(), Qt::Vertical);
    EXPECT_EQ(get<QScrollBar>("ScrollBar1")->maximum(), 90);
    EXPECT_EQ(get<QScrollBar>("ScrollBar2")->maximum(), 360);
    const std::pair<const char*, int> bars[] = {
        {"ScrollBar1", 80}, {"ScrollBar2", 250}, {"ScrollBar3", 100}, {"ScrollBar4", 75}};
    for (const auto& [name, value] : bars) EXPECT_EQ(get<QScrollBar>(name)->value(), value) << name;
}

// The dimension sketch is drawn in fixed image pixels; each field must cover
// the column of its arrow (a station) or the middle of its span arrow.
TEST_F(Layout, FieldsStandOnTheArrowsOfTheSketch) {
    EXPECT_EQ(design(20, 49, 923, 246), QRect(16, 39, 738, 197));
    const int station[] = {3, 107, 314, 519, 619, 688};  // [0]: where the gap arrow starts
    auto expectOver = [&](const char* name, int sketchX) {
        auto* field = get<QLineEdit>(name);
        auto* sketch =
            field->parentWidget()->findChildren<ImageWidget*>(QRegularExpression("^Image_W")).value(0);
        ASSERT_NE(sketch, nullptr);
        const int x = sketch->x() + sketchX;
        EXPECT_LE(field->geometry().left(), x) << name;
        EXPECT_GE(field->geometry().right(), x) << name;
    };
    const char* spans[] = {"Edit01", "Edit1", "Edit2", "Edit3", "Edit14y"};  // gap, then spans 1..4
    const char* chords[] = {"Edit4", "Edit5", "Edit6", "Edit7", "Edit14x"};  // stations 1..5
    const char* offsets[] = {"Edit8", "Edit9", "Edit10", "Edit14xx"};        // stations 2..5
    for (int i = 0; i < 5; ++i) {
        expectOver(spans[i], (station[i] + station[i + 1]) / 2);
        expectOver(chords[i], station[i + 1]);
        if (i < 4) expectOver(offsets[i], station[i + 2]);
    }
    // Wings 2 and 3 sit a few pixels apart from wing 1.
    expectOver("Edit12", (station[2] + station[3]) / 2);
    expectOver("Edit22", (station[2] + station[3]) / 2);
    expectOver("Edit23", (station[3] + station[4]) / 2);
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
    EXPECT_EQ(accessibleName(get<QWidget>("Button4")), "Calculate Aerodynamic Center");
    EXPECT_EQ(accessibleName(get<QLabel>("Label1")), "wing span (b):");
}

}  // namespace
}  // namespace ws::testing
