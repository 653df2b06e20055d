#include "ui/main_chrome.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>

#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {

QAction* makeAction(QWidget* menu, const char* name) {
    auto* action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

QMenu* makeMenu(QMenuBar* bar, const char* name) {
    auto* menu = new QMenu(bar);
    menu->setObjectName(QString::fromLatin1(name));
    bar->addMenu(menu);
    return menu;
}

// Qt's keys for `standard` on this platform, and `wanted` where it lacks them.
void setKeys(QAction* action, QKeySequence::StandardKey standard,
             std::initializer_list<QKeySequence> wanted) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : wanted)
        if (!keys.contains(key)) keys.append(key);
    action->setShortcuts(keys);
}

// The theme's icon where the platform has one, else the style's own.
QIcon themedIcon(const char* themeName, QStyle::StandardPixmap fallback, const QWidget* widget) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), widget->style()->standardIcon(fallback));
}

QToolButton* makeToolButton(QWidget* client, const char* name, int left, const QIcon& icon) {
    auto* button = new QToolButton(client);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(design(left, 0, 29, 27));
    button->setIcon(icon);
    button->setIconSize(designSize(20, 20));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

MainChrome buildMainChrome(QMainWindow* window, QWidget* client) {
    MainChrome c;
    QMenuBar* bar = window->menuBar();
    c.Open1 = makeMenu(bar, "Open1");
    c.New1 = makeAction(c.Open1, "New1");
    c.Open2 = makeAction(c.Open1, "Open2");
    c.Save2 = makeAction(c.Open1, "Save2");
    c.Save3 = makeAction(c.Open1, "Save3");
    c.Print1 = makeAction(c.Open1, "Print1");
    c.Export1 = new QMenu(c.Open1);
    c.Export1->setObjectName(QStringLiteral("ExportMenu"));
    c.Open1->addMenu(c.Export1);
    c.ExportSvg1 = makeAction(c.Export1, "ExportSvg");
    c.ExportDxf1 = makeAction(c.Export1, "ExportDxf");
    c.ExportAvl1 = makeAction(c.Export1, "ExportAvl");
    c.Template1 = makeAction(c.Open1, "PrintTemplate");
    c.Compare1 = makeAction(c.Open1, "Compare1");
    c.Open1->addSeparator();
    c.Recent1 = new QMenu(c.Open1);
    c.Recent1->setObjectName(QStringLiteral("Recent1"));
    c.Open1->addMenu(c.Recent1);
    c.Examples1 = new QMenu(c.Open1);
    c.Examples1->setObjectName(QStringLiteral("Examples1"));
    c.Open1->addMenu(c.Examples1);
    c.Open1->addSeparator();
    c.Exit1 = makeAction(c.Open1, "Exit1");
    c.EEdit1 = makeMenu(bar, "EEdit1");
    c.EEdit1->addSeparator();
    c.wing11 = makeAction(c.EEdit1, "wing11");
    c.wing21 = makeAction(c.EEdit1, "wing21");
    c.wing31 = makeAction(c.EEdit1, "wing31");
    c.aircraft1 = makeAction(c.EEdit1, "aircraft1");
    c.EEdit1->addSeparator();
    c.Converged1 = makeAction(c.EEdit1, "Converged1");
    c.Converged1->setCheckable(true);
    c.Study1 = makeAction(c.EEdit1, "Study1");
    c.Units1 = new QMenu(c.EEdit1);
    c.Units1->setObjectName(QStringLiteral("Units1"));
    c.EEdit1->addMenu(c.Units1);
    auto* units = new QActionGroup(c.Units1);
    for (QAction** unit : {&c.UnitMm1, &c.UnitCm1, &c.UnitIn1}) {
        const char* name = unit == &c.UnitMm1 ? "UnitMm1" : unit == &c.UnitCm1 ? "UnitCm1" : "UnitIn1";
        *unit = makeAction(c.Units1, name);
        (*unit)->setCheckable(true);
        units->addAction(*unit);
    }
    c.UnitMm1->setChecked(true);
    c.Langu1 = makeMenu(bar, "Langu1");
    c.german1 = makeAction(c.Langu1, "german1");
    c.francais1 = makeAction(c.Langu1, "francais1");
    c.spain1 = makeAction(c.Langu1, "spain1");
    c.Info1 = makeAction(bar, "Info1");
    c.Calculate1 = new QAction(window);
    c.Calculate1->setObjectName(QStringLiteral("Calculate1"));
    window->addAction(c.Calculate1);

    setKeys(c.New1, QKeySequence::New, {QKeySequence(Qt::CTRL | Qt::Key_N)});
    setKeys(c.Open2, QKeySequence::Open, {});
    setKeys(c.Save2, QKeySequence::SaveAs, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    setKeys(c.Save3, QKeySequence::Save, {});
    setKeys(c.Print1, QKeySequence::Print, {});
    setKeys(c.Exit1, QKeySequence::Quit, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    setKeys(c.Calculate1, QKeySequence::Refresh, {QKeySequence(Qt::Key_F5)});

    // Under the buttons, and deaf to the mouse, so it never swallows their clicks.
    c.Lab_FName = makeLabel(client, "Lab_FName", 98, 2, false);
    c.Lab_FName->setGeometry(design(98, 2, 583, 19));
    c.Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignTop);
    c.Lab_FName->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The window's own size: the design's 8 pixels cannot be read.
    c.Lab_FName->setFont(windowFont());
    setTextColour(c.Lab_FName, Qt::blue);

    c.SpeedButton1 = makeToolButton(client, "SpeedButton1", 2,
                                    themedIcon("document-open", QStyle::SP_DialogOpenButton, client));
    c.SpeedButton2 = makeToolButton(client, "SpeedButton2", 34,
                                    themedIcon("document-save-as", QStyle::SP_DialogSaveButton, client));
    c.SpeedButton3 = makeToolButton(client, "SpeedButton3", 66,
                                    themedIcon("document-save", QStyle::SP_DriveFDIcon, client));
    c.SpeedButton5 = makeToolButton(client, "SpeedButton5", 98,
                                    themedIcon("document-print", QStyle::SP_FileDialogDetailedView, client));
    c.SpeedButton4 = makeToolButton(client, "SpeedButton4", 130,
                                    themedIcon("accessories-calculator", QStyle::SP_MediaPlay, client));
    const std::pair<QToolButton*, QAction*> commands[] = {{c.SpeedButton1, c.Open2},
                                                          {c.SpeedButton2, c.Save2},
                                                          {c.SpeedButton3, c.Save3},
                                                          {c.SpeedButton5, c.Print1},
                                                          {c.SpeedButton4, c.Calculate1}};
    for (const auto& [button, action] : commands) {
        action->setIcon(button->icon());
        button->setDefaultAction(action);
    }
    return c;
}

void attachUndoActions(MainChrome& c, QUndoStack* history) {
    QAction* undo = history->createUndoAction(c.EEdit1, captionText("Undo1"));
    QAction* redo = history->createRedoAction(c.EEdit1, captionText("Redo1"));
    undo->setObjectName(QStringLiteral("Undo1"));
    redo->setObjectName(QStringLiteral("Redo1"));
    setKeys(undo, QKeySequence::Undo, {});
    setKeys(redo, QKeySequence::Redo,
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QAction* first = c.EEdit1->actions().value(0);
    c.EEdit1->insertActions(first, {undo, redo});
    for (QAction* old : {c.Undo1, c.Redo1}) delete old;
    c.Undo1 = undo;
    c.Redo1 = redo;
}

}  // namespace ws
