// winstabix-calc: the planform values of an aircraft, without a window.
#include <cstdio>
#include <string>

#include "model/aircraft.h"
#include "model/planform.h"

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    const ws::AircraftModel model = ws::startupAircraft();
    for (int w = 1; w <= model.WingCount; ++w) {
        const ws::WingLabelTexts t = ws::wingLabelTexts(ws::Calc_W(model.wing[w]));
        std::printf("wing %d: b=%s s=%s lm=%s r25=%s lam=%s\n", w, t.b.c_str(), t.s.c_str(), t.lm.c_str(),
                    t.r25.c_str(), t.lam.c_str());
    }
    return 0;
}
