#include <gtest/gtest.h>

#include "files/aircraft_file.h"
#include "files/balance_block.h"
#include "stability/balance.h"

namespace ws {
namespace {

// Worked by hand: Motor 100 g at −100, Battery 200 g at −50, Airframe 700 g
// at 100: 1000 g, moment −10000 − 10000 + 70000 = 50000 g·mm, cg 50.0 mm.
// Neutral point 90, chord 200 with its leading edge at 0: cg at 25 % of the
// chord, margin (90 − 50) / 200 = 20 %. Range 55..65, target 60: nose-heavy
// by 5 mm. Ballast at 300: 1000 · 10 / 240 = 41.67 g; the battery to
// −50 + 1000 · 10 / 200 = 0.
BalanceData example() {
    BalanceData d;
    d.items = {{"Motor", "100", "-100"}, {"Battery", "200", "-50"}, {"Airframe", "700", "100"}};
    d.movable = 2;
    return d;
}

const BalanceReference kReference{90, 200, 0, 60, 55, 65};

double cgWith(BalanceData d, const MassItemText& extra) {
    d.items.push_back(extra);
    std::vector<BalanceMessage> errors;
    return itemsMass(d, errors)->cg;
}

TEST(Balance, WorkedExampleBallastAndMoveLandOnTheTarget) {
    for (const char* at : {"300", ""}) {
        SCOPED_TRACE(at);
        BalanceData d = example();
        d.ballastAt = at;
        const BalanceFigures f = balanceFigures(d, -20, kReference);
        ASSERT_TRUE(f.known && f.referenced);
        EXPECT_EQ(std::tuple(f.mass, f.cg, f.cgChordPercent, f.staticMargin, f.status, f.offBy, f.unstable),
                  std::tuple(1000.0, 50.0, 25.0, 20.0, BalanceStatus::NoseHeavy, 5.0, false));
        if (*at) {
            EXPECT_NEAR(f.ballast.value_or(0), 10000.0 / 240, 1e-9);
            EXPECT_NEAR(cgWith(d, {"Lead", std::to_string(*f.ballast), at}), 60, 0.1);
        } else {  // at the frontmost item, −100
            EXPECT_FALSE(f.ballast);
            EXPECT_EQ(f.noBallast->code, BalanceCode::BallastBehindNeeded);
        }
        ASSERT_TRUE(f.move);
        EXPECT_DOUBLE_EQ(f.move->toX, 0);
        d.items[1].x = "0";
        EXPECT_NEAR(cgWith(d, {"None", "0", "0"}), 60, 0.1);
    }
    // Tail-heavy behind the neutral point: ballast at the frontmost point −20, 100 · 40 / 80 = 50 g.
    BalanceData tail;
    tail.items = {{"Airframe", "100", "100"}};
    const BalanceFigures f = balanceFigures(tail, -20, kReference);
    EXPECT_EQ(std::tuple(f.status, f.unstable, f.offBy, f.ballastAt, f.ballast.value_or(0)),
              std::tuple(BalanceStatus::TailHeavy, true, 35.0, -20.0, 50.0));
}

TEST(Balance, WeighingAgreesWithTheItems) {
    BalanceData d = example();
    d.method = BalanceMethod::Weighing;
    d.supports = {SupportText{"0", "750"}, SupportText{"200", "250"}};
    const BalanceFigures f = balanceFigures(d, 0, std::nullopt);
    EXPECT_DOUBLE_EQ(f.mass, 1000);
    EXPECT_DOUBLE_EQ(f.cg, 50);
    EXPECT_TRUE(f.messages.empty());
    d.supports[1].reading = "100";  // readings that do not add up to the items
    EXPECT_EQ(balanceFigures(d, 0, std::nullopt).messages.front().code, BalanceCode::MethodsDisagree);
}

TEST(Balance, BadInputSaysWhy) {
    struct Case {
        std::vector<MassItemText> items;
        std::array<SupportText, 2> supports;
        BalanceCode code;
        int index;
    } cases[] = {
        {{}, {}, BalanceCode::NoItems, 0},
        {{{"A", "abc", "0"}}, {}, BalanceCode::MassNotNumber, 1},
        {{{"A", "1", "0"}, {"B", "-5", "0"}}, {}, BalanceCode::NegativeMass, 2},
        {{{"A", "1", "1e3"}}, {}, BalanceCode::PositionNotNumber, 1},
        {{{"A", "0", "10"}}, {}, BalanceCode::ZeroTotal, 0},
        {{}, {SupportText{"5", "100"}, SupportText{"5", "200"}}, BalanceCode::SupportsTogether, 0},
        {{}, {SupportText{"5", "100"}, SupportText{"x", "200"}}, BalanceCode::SupportNotNumber, 2},
        {{}, {SupportText{"0", "0"}, SupportText{"10", "0"}}, BalanceCode::ZeroTotal, 0},
    };
    for (const Case& c : cases) {
        BalanceData d;
        d.items = c.items;
        d.supports = c.supports;
        if (!c.supports[0].x.empty()) d.method = BalanceMethod::Weighing;
        const BalanceFigures f = balanceFigures(d, 0, kReference);
        EXPECT_FALSE(f.known);
        ASSERT_FALSE(f.messages.empty());
        EXPECT_EQ(f.messages.front().code, c.code);
        EXPECT_EQ(f.messages.front().index, c.index);
    }
    EXPECT_EQ(balanceNumber(" 12,5 "), 12.5);
}

// The edges: a cg on the neutral point is unstable, a movable item without
// mass cannot move, the ballast goes ahead of every wing in use.
TEST(Balance, EdgesOfTheFigures) {
    BalanceData d;
    d.items = {{"Airframe", "100", "90"}, {"Empty", "0", "10"}};
    d.movable = 2;
    const BalanceFigures f = balanceFigures(d, 0, kReference);
    EXPECT_TRUE(f.unstable);
    EXPECT_FALSE(f.move);
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0].code, BalanceCode::MovableWithoutMass);
    AircraftModel m = startupAircraft();
    m.wing[1].WingPosX = 100;
    m.wing[2].WingPosX = 50;
    EXPECT_EQ(frontmostWingPoint(m), 50);
    // Rows removed and moved take the movable item with them.
    const auto rows = [](const BalanceData& b) {
        std::string s;
        for (const MassItemText& i : b.items) s += i.name + ",";
        return s + std::to_string(b.movable);
    };
    EXPECT_EQ(rows(withItemRemoved(example(), 2)), "Motor,Airframe,0");
    EXPECT_EQ(rows(withItemRemoved(example(), 1)), "Battery,Airframe,1");
    EXPECT_EQ(rows(withItemMoved(example(), 2, 1)), "Motor,Airframe,Battery,3");
    EXPECT_EQ(rows(withItemMoved(example(), 1, 1)), "Battery,Motor,Airframe,1");
    const BalanceData both = withSupportText(withSupportText({}, 1, false, "-5"), 2, true, "250\n");
    EXPECT_EQ(both.supports[0].x, "-5");
    EXPECT_EQ(both.supports[1].reading, "250 ");  // one line
}

TEST(BalanceBlock, RoundTripAndDamagedBlocks) {
    BalanceData d = example();
    d.items[0].name = R"(Motor; 3\4")";
    d.method = BalanceMethod::Weighing;
    d.supports = {SupportText{"-50", "420"}, SupportText{"250", "180"}};
    d.ballastAt = "-150";
    // The remarks come back as typed, the balance with them.
    AircraftModel model = startupAircraft();
    model.remarks = "my remarks";
    model.balance = d;
    const auto parsed = parseAircraftFile(aircraftFileBytes(model, std::nullopt));
    const auto& content = std::get<AircraftFileContent>(parsed);
    EXPECT_EQ(content.remarks, "my remarks");
    EXPECT_EQ(content.balance, d);

    // Remarks that quote the start line, with no balance, come back as
    // written (the writer drops '\r'), and stay so through a second save.
    const std::string start(kBalanceStartLine);
    for (const std::string& quoting : {start, "\r" + start, start.substr(0, 4) + "\r" + start.substr(4)}) {
        model.remarks = "a\n" + quoting + "\nitem: A; 10; 5";
        model.balance = {};
        const std::string bytes = aircraftFileBytes(model, std::nullopt);
        const auto parsedQuoted = parseAircraftFile(bytes);
        const auto& quoted = std::get<AircraftFileContent>(parsedQuoted);
        EXPECT_EQ(quoted.remarks, "a\n" + start + "\nitem: A; 10; 5");
        EXPECT_EQ(quoted.balance, BalanceData{});
        model.remarks = *quoted.remarks;
        EXPECT_EQ(aircraftFileBytes(model, std::nullopt), bytes);
    }

    // Damaged: a line not understood, and no end line; the rest is read.
    const std::string damaged =
        "x\n" + std::string(kBalanceStartLine) + "\nitem: A; 10; 5\nbogus\nitem: B; 20; 8";
    const RemarksAndBalance read = splitBalanceBlock(damaged, 59);
    EXPECT_EQ(read.remarks, "x");
    ASSERT_EQ(read.balance.items.size(), 2u);
    EXPECT_EQ(read.balance.items[1].name, "B");
    const std::vector<BalanceFileNote> notes = {{BalanceFileCode::LineNotUnderstood, 62},
                                                {BalanceFileCode::NoEndLine, 63}};
    EXPECT_EQ(read.notes, notes);
}

}  // namespace
}  // namespace ws
