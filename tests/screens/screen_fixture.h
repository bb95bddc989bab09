#pragma once
// The world a screen model lives in: the application (design + language),
// the drawing board state and a recording Ui; every test runs under a point
// and under a comma as the user's decimal separator.

#include <gtest/gtest.h>

#include <string>

#include "app/application.h"
#include "app/number_text.h"
#include "drawing/dessin.h"
#include "geometry/bottom.h"
#include "recording_ui.h"

namespace bravik {

class ScreenTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        SetLocaleDecimalSeparator(GetParam());
        app.Language = kEnglish;
        ResetToDefaults(app.design);
    }
    void TearDown() override { SetLocaleDecimalSeparator('.'); }

    // The default 6 m hull with its bottom computed, as after a first validation.
    void ComputeDefaultBottom() {
        app.design.midshipIndex = 41;
        ComputeBottom(app.design);
    }

    // A number as the screens fill their boxes under the current locale.
    static std::string Local(const std::string& pointText) { return WithLocaleSeparator(pointText); }

    Application app;
    dessin board;
    testing::RecordingUi ui;
};

inline std::string LocaleName(const ::testing::TestParamInfo<char>& info) {
    return info.param == ',' ? "CommaLocale" : "PointLocale";
}

}  // namespace bravik

#define BRAVIK_UNDER_BOTH_LOCALES(Suite) \
    INSTANTIATE_TEST_SUITE_P(Locales, Suite, ::testing::Values('.', ','), ::bravik::LocaleName)
