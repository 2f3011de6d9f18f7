#pragma once

#include "app/frmLDeded.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <memory>

// A shown, active main window over a scripted platform, so that focus works offscreen.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        restart();
    }

    // A fresh platform and window, for tests that run one case after another.
    void restart()
    {
        window.reset();
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<frmLDeded>(*fake);
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }

    void pickEnvelopeSize(int size)
    {
        named<QComboBox>(window, "cboLMEnvelope")->setCurrentIndex(size - 1);
        emit named<QComboBox>(window, "cboLMEnvelope")->activated(size - 1);
    }

    // The user clicks Label stock and answers the position prompt; a Cancel after it ends
    // the dialog should the answer be refused.
    void choosePositions(const std::optional<QString>& answer)
    {
        fake->inputAnswers = {answer, std::nullopt};
        named<QRadioButton>(window, "optLMLabel")->click();
    }

    QString margins() const
    {
        return named<QLineEdit>(window, "txtLMLeftPad")->text() + u'/'
            + named<QLineEdit>(window, "txtLMToppad")->text();
    }

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<frmLDeded> window;
};
