// A main window per test in fresh folders; its file dialogs and questions answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <string>

#include "../files/temp_folder.h"
#include "document/aircraft_document.h"
#include "texts/translation.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_page.h"
#include "ui/export_commands.h"
#include "ui/print_controls.h"
#include "ui/recent_files.h"
#include "ui/wing_page.h"

namespace ws::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (folder.path() / "config").c_str());
        previousState_ = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", (folder.path() / "state").c_str());
        for (const QString& path : RecentFiles().paths()) RecentFiles().remove(path);
    }
    void TearDown() override {
        form.reset();
        useLanguage(Language::English);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        std::filesystem::current_path(previous_);
        qputenv("XDG_CONFIG_HOME", previousConfig_);
        qputenv("XDG_STATE_HOME", previousState_);
    }

    std::filesystem::path configSettingsFile() const {
        return folder.path() / "config" / QCoreApplication::applicationName().toStdString() / "Default.pa4";
    }

    // `arguments`: the command line after the program's name.
    void start(const QStringList& arguments = {}) {
        FileDialogs d;
        d.open = [this](QWidget*, const QString& from) { return ++openAsked, openFolder = from, openAnswer; };
        d.save = [this](QWidget*, const QString& name) {
            return ++saveAsked, saveSuggested = name, saveAnswer;
        };
        d.askSave = [this](QWidget*) { return ++changesAsked, changesAnswer; };
        d.askOverwrite = [this](QWidget*, const QString&) { return ++overwriteAsked, overwriteAnswer; };
        d.askRestore = [this](QWidget*, const QString& name, const QString&) {
            return restoreOffers << name, restoreAnswer;
        };
        d.askReload = [this](QWidget*, const QString&) { return ++reloadAsked, reloadAnswer; };
        d.warn = [this](QWidget*, const QString& text) { failures << text; };
        form = std::make_unique<TForm1>(nullptr, arguments, d);
    }

    AircraftDocument& doc() { return form->document(); }
    const DocumentResults& results() { return doc().results(); }
    const AircraftViews& views() { return get<AircraftPage>("TabSheet5")->views(); }
    double planformScale(int w) {
        return get<WingPage>(("TabSheet" + std::to_string(w)).c_str())->PlanformScale();
    }

    template <class T>
    T* get(const char* name) {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // What a control shows: a tab page its tab's caption, a menu its title.
    QString textOf(const std::string& name) {
        return textOf(form->findChild<QObject*>(QString::fromStdString(name)));
    }
    QString textOf(QObject* control) {
        if (!control) return QStringLiteral("<missing>");
        auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        if (const int tab = tabs->indexOf(qobject_cast<QWidget*>(control)); tab >= 0)
            return tabs->tabText(tab);
        if (control->objectName().startsWith("TabSheet"))  // a page out of the tab control
            return qobject_cast<QWidget*>(control)->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) return memo->toPlainText();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
        if (auto* menu = qobject_cast<QMenu*>(control)) return menu->title();
        if (auto* action = qobject_cast<QAction*>(control)) return action->text();
        return QStringLiteral("<no text>");
    }

    // Both "Save" controls, which always go together.
    bool saveEnabled() {
        const bool menu = get<QAction>("Save3")->isEnabled();
        EXPECT_EQ(get<QToolButton>("SpeedButton3")->isEnabled(), menu);
        return menu;
    }

    static QString text(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

    TempFolder folder;
    std::unique_ptr<TForm1> form;
    QString openAnswer, saveAnswer;     // empty: the dialog was cancelled
    QString openFolder, saveSuggested;  // where the dialogs started
    int openAsked = 0, saveAsked = 0, changesAsked = 0, overwriteAsked = 0, reloadAsked = 0;
    SaveAnswer changesAnswer = SaveAnswer::Cancel;          // to "save the changes first?"
    ChangedAnswer overwriteAnswer = ChangedAnswer::Cancel;  // to "changed on disk: overwrite?"
    QStringList failures;                                   // what the message boxes said
    QStringList restoreOffers;                              // the names offered for restoring
    RestoreAnswer restoreAnswer = RestoreAnswer::Later;
    bool reloadAnswer = false;

  private:
    std::filesystem::path previous_;
    QByteArray previousConfig_, previousState_;
};

// Started at once, without settings file or command line.
class MainWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        start();
    }
};

}  // namespace ws::testing

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
