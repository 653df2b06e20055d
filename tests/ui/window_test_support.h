// A fresh main window per test, and typed lookups of its controls by name.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <memory>

#include "ui/WinStabix2.h"

namespace ws::testing {

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { form = std::make_unique<TForm1>(); }

    template <class T>
    T* get(const char* name) {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace ws::testing
