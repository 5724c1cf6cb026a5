// The JSON is read with a real parser by the window's end-to-end test; here
// exact pieces of it pin down the fields and their values.

#include "ReportFormat.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

FrameReport Receive(const std::vector<std::uint8_t>& bytes, const std::vector<microseconds>& arrivals) {
    FrameReceiver rx;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_FALSE(rx.Feed(std::span(&bytes[i], 1), arrivals[i]).has_value());
    }
    auto r = rx.Finish();
    EXPECT_TRUE(r.has_value());
    return r ? std::move(*r) : FrameReport{};
}

// The "GRUOP" frame with its pacing kept, or with Group C CH8's pause 3 ms short.
FrameReport PacedGruop(microseconds early = {}) {
    auto arrivals = test::PacedArrivals(microseconds(0), microseconds(250));
    for (std::size_t i = 49; i < arrivals.size(); ++i) {
        arrivals[i] -= early;
    }
    return Receive(test::GruopFrame(), arrivals);
}

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

// The verdicts a script or a person reads: a whole frame whose every write held its pause, one with a write
// that came early, and faulty frames by their first fault.
TEST(ReportFormat, VerdictsForScriptsAndPeople) {
    const std::string json = FormatJson(PacedGruop());
    EXPECT_EQ(json.find('\n'), std::string::npos);
    EXPECT_EQ(json.rfind(R"({"frame":1,"status":"ok","errors":[],)", 0), 0u) << json;
    EXPECT_HAS(json, R"("every_gap_held":true,"short_gaps":0,"late_deliveries":0,)");
    EXPECT_HAS(FormatText(PacedGruop()), "every gap held its pause, the closest by 0.250 ms");

    const FrameReport rushed = PacedGruop(milliseconds(3));
    EXPECT_HAS(FormatJson(rushed), R"({"after":"Group C CH8","gap_ms":97.250,"pause_ms":100,"held":false,)");
    EXPECT_HAS(FormatJson(rushed), R"("every_gap_held":false,"short_gaps":1,"late_deliveries":0,)");
    EXPECT_HAS(FormatText(rushed), "\n    after Group C CH8: 97.250 ms < 100 ms\n");

    const std::vector<std::uint8_t> cut{0x11, 0xF3, 0xFF, 0xFF, 0xFF};
    EXPECT_HAS(FormatJson(Receive(cut, std::vector<microseconds>(5))),
               R"("status":"bad","errors":["short: 4 of 258 bytes, stopped in Group A CH2, then the input )");
    std::vector<std::uint8_t> frame = test::ScanDelay60Frame();
    frame[257] = 0x98;
    const std::string text = FormatText(Receive(frame, std::vector<microseconds>(258)));
    EXPECT_EQ(text.rfind("Frame 1: BAD, 258 bytes, checksum 0x98\n  error: checksum 0x98, expected 0x92\n", 0), 0u)
        << text;
}

} // namespace
} // namespace velmar::radio
