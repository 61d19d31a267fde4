#pragma once
// A test with a ChromeDemoWindow shown on the display at (200, 150); the
// window is destroyed after the test.

#include <gtest/gtest.h>

#include "chrome_demo_window.h"
#include "support/gui_test.h"

class ChromeWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new ChromeDemoWindow("chrome test", wxPoint(200, 150));
        window->Show();
        ASSERT_TRUE(WaitForShown(window));
        start = window->GetRect();
    }

    void TearDown() override
    {
        window->Destroy();
        PumpPendingEvents();
    }

    ChromeDemoWindow* window = nullptr;
    wxRect start;  // the window's rectangle once shown
};
