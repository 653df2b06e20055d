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
    EXPECT_EQ(form->windowTitle(), " WinStabix4  V" WINSTABIX_VERSION " - Unknown.da4[*]");
    form->layout()->activate();
    EXPECT_EQ(form->centralWidget()->size(), designSize(987, 732));

    // The page of a wing not in use is out of the tab control, so that no
    // screen reader announces it; it comes back in its place.
    auto* tabs = get<QTabWidget>("PageControl1");
    const char* order[] = {"TabSheet5", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet4"};
    const char* captions[] = {"     Aircraft    ", " Wing 1 ",  "  Wing 2  ",
                              " Wing 3 ",          " Balance ", "Remarks"};
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
    for (int wings : {3, 1, 2}) {
        SCOPED_TRACE(wings);
        get<QAbstractButton>(("RadioButton" + std::to_string(wings)).c_str())->click();
        int tab = 0;
        for (int i = 0; i < 6; ++i) {
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
    EXPECT_EQ(get<QAction>("francais1")->text(), "français");

    EXPECT_FALSE(get<QToolButton>("SpeedButton5")->isEnabled());
    auto* name = get<QLabel>("Lab_FName");
    EXPECT_EQ(name->text(), "Unknown.da4");
    EXPECT_TRUE(name->alignment() & Qt::AlignRight);
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
    EXPECT_EQ(fields.size(), 3 * 14 + 6 + 1 + 2 + 5);
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
