// A main window per test, in a fresh working directory (it reads and writes
// "Default.pa4" there), with its file dialogs answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "../files/temp_folder.h"
#include "ui/WinStabix2.h"

namespace ws::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
    }
    void TearDown() override {
        form.reset();
        std::filesystem::current_path(previous_);
    }

    // `arguments`: the command line after the program's name.
    void start(const QStringList& arguments = {}) {
        form = std::make_unique<TForm1>(nullptr, arguments);
        form->fileDialogs.open = [this](QWidget*, bool) {
            ++openAsked;
            return openAnswer;
        };
        form->fileDialogs.save = [this](QWidget*, bool) {
            ++saveAsked;
            return saveAnswer;
        };
        form->fileDialogs.saveFailed = [this](QWidget*, const QString& reason, bool) { failures << reason; };
    }

    template <class T>
    T* get(const char* name) {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
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
    QString openAnswer, saveAnswer;  // empty: the dialog was cancelled
    int openAsked = 0, saveAsked = 0;
    QStringList failures;  // what the failed-save box said

  private:
    std::filesystem::path previous_;
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
