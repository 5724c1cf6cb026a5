// velmar-send's command line and the pieces of its report.

#include "SendOptions.h"
#include "SendReport.h"
#include "SendWords.h"

#include <gtest/gtest.h>

namespace velmar::send {
namespace {

ParsedSendOptions Parse(std::vector<std::string_view> args) {
    return ParseSendOptions(args);
}

TEST(SendOptions, ParsesPortsFlagsAndOneFileOrSaysWhatIsWrong) {
    const ParsedSendOptions all = Parse({"--port", "/dev/a", "--json", "--port=COM2", "--repeat", "f.velmar"});
    EXPECT_EQ(all.refusal.kind, CommandLineRefusal::Kind::None);
    EXPECT_EQ(all.options.ports, (std::vector<std::string>{"/dev/a", "COM2"}));
    EXPECT_TRUE(all.options.json && all.options.repeat && all.options.file == "f.velmar");
    EXPECT_EQ(Parse({"--", "--odd.velmar"}).options.file, "--odd.velmar");
    EXPECT_TRUE(Parse({"--help"}).refusal.kind == CommandLineRefusal::Kind::None &&
                Parse({"--version"}).options.version);

    const std::pair<std::vector<std::string_view>, std::string> kErrors[] = {
        {{"f.velmar", "--port"}, "--port needs a device"},
        {{"--port=", "f.velmar"}, "--port needs a device"},
        {{"-x", "f.velmar"}, "unknown option: -x"},
        {{"--json"}, "no setting file given"},
        {{"a.velmar", "b.velmar"}, "one setting file only, not 2"},
    };
    for (const auto& [args, error] : kErrors) {
        EXPECT_EQ(res::SendOptionsRefused(Parse(args).refusal), "velmar-send: " + error + "\n" + res::kSendUsage);
    }
}

TEST(SendReport, LinesAndJsonTellSentOrFailedWithTheReply) {
    SendResult sent{kFrameSize, 0x57, SendEnd::Complete, 5.7149, {}, {}, {}};
    SendResult cut{17, 0x57, SendEnd::HungUp, 0.4, {}, {}, {}};
    SendResult stalled{kFrameSize, 0x57, SendEnd::Stalled, 6.8, {}, {}, {1012, 133}};
    const std::vector<std::uint8_t> flood(4096, 0x06);
    const struct {
        PortOutcome outcome;
        std::string line, json;
    } kCases[] = {
        {OutcomeOf("/dev/a", sent, {0x06, 0x4f}, 2), "/dev/a: sent 258 bytes, checksum 0x57, reply 06 4F",
         R"({"port":"/dev/a","bytes":258,"checksum":"0x57","reply":"06 4F","reply_bytes":2,"error":null,)"
         R"("stalled":false,"seconds":5.71})"},
        {OutcomeOf("/dev/b", cut, {0x06}, 1),
         "/dev/b: failed after 17 of 258 bytes: the line hung up (the cable or adapter was disconnected, or the other "
         "side closed)",
         R"j({"port":"/dev/b","bytes":17,"checksum":"0x57","reply":"06","reply_bytes":1,"error":"the line hung up (the cable or adapter was disconnected, or the other side closed)",)j"
         R"("stalled":false,"seconds":0.4})"},
        {NotStarted("/dev/\xff", 0x57), "/dev/\xff: failed after 0 of 258 bytes: the Send could not be started",
         R"({"port":"/dev/�","bytes":0,"checksum":"0x57","reply":null,"reply_bytes":0,)"
         R"("error":"the Send could not be started","stalled":false,"seconds":0.0})"},
        // Every byte went out, but a pause ran past the radio's time-out: not called sent.
        {OutcomeOf("/dev/s", stalled, {}, 0),
         "/dev/s: sent 258 bytes, checksum 0x57, but the line stalled for 1012 ms after byte 133, longer than the "
         "radio waits: it may not have taken the frame; send again",
         R"({"port":"/dev/s","bytes":258,"checksum":"0x57","reply":null,"reply_bytes":0,"error":"the line stalled )"
         R"(for 1012 ms after byte 133, longer than the radio waits: it may not have taken the frame; send again",)"
         R"("stalled":true,"seconds":6.8})"},
        // A radio that floods the line is shown by its first bytes and a count.
        {OutcomeOf("/dev/a", sent, flood, 858000),
         "/dev/a: sent 258 bytes, checksum 0x57, reply 06 06 06 06 06 06 06 06 06 06 06 06 06 06 06 06 ... (858000 "
         "bytes)",
         R"({"port":"/dev/a","bytes":258,"checksum":"0x57","reply":"06 06 06 06 06 06 06 06 06 06 06 06 06 06 06 06",)"
         R"("reply_bytes":858000,"error":null,"stalled":false,"seconds":5.71})"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(res::ResultLine(c.outcome), c.line);
        EXPECT_EQ(ResultJson(c.outcome), c.json);
    }
    // A Stop that came only in the pause after the last byte: the radio has its frame.
    EXPECT_TRUE(OutcomeOf("/dev/a", {kFrameSize, 0x57, SendEnd::Stopped, 5, {}, {}, {}}, {}, 0).Sent());
    EXPECT_FALSE(OutcomeOf("/dev/s", stalled, {}, 0).Sent());
    EXPECT_EQ(ResultJson(OutcomeOf("/dev/a", sent, {}, 0), 3).substr(0, 30), R"({"port":"/dev/a","round":3,"by)");
}

TEST(SendReport, ProgressLineFitsTheWidthAndDropsTheBarFirst) {
    EXPECT_EQ(res::ProgressLine("/dev/a", 129, 3150, 80),
              "/dev/a  [" + std::string(20, '#') + std::string(20, '.') + "]  129/258 bytes   3.1 s left");
    EXPECT_EQ(res::ProgressLine("/dev/a", 129, 3150, 40), "/dev/a  129/258 bytes   3.1 s left");
    EXPECT_EQ(res::ProgressLine("/dev/a", 129, 3150, 12), "/dev/a  129/");
}

} // namespace
} // namespace velmar::send
