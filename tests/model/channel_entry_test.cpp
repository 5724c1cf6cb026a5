#include "ChannelEntry.h"
#include "GroupSelection.h"

#include <gtest/gtest.h>

#include <random>

namespace velmar {
namespace {

// Stands in for the window: holds what each edit shows, reads it into the
// record before every change and shows the record again when told to.
class Channels {
public:
    RadioSettings s;
    PerChannel<std::string> edit{};
    int messages = 0;

    // One change of edit `ch` to `text`; returns what the window was told.
    ChannelChange Change(int ch, const std::string& text) {
        edit[static_cast<std::size_t>(ch)] = text;
        s.m_strChannel = edit;
        const ChannelChange change = EnterChannelText(s, ch);
        if (change.invalidCharacter) {
            ++messages;
            // The box comes while the failing text still stands.
            EXPECT_EQ(edit[static_cast<std::size_t>(ch)], text);
        }
        if (change.writeBack) {
            edit = s.m_strChannel;
        }
        return change;
    }
    void Type(int ch, const std::string& text) {
        for (const char c : text) {
            Change(ch, edit[static_cast<std::size_t>(ch)] + c);
        }
    }
    const std::string& StoredText(int group, int ch) const {
        return s.m_strGroupChannel[static_cast<std::size_t>(group)][static_cast<std::size_t>(ch)];
    }
    const std::string& StoredCode(int group, int ch) const {
        return s.m_strGroupCode[static_cast<std::size_t>(group)][static_cast<std::size_t>(ch)];
    }
};

struct Example {
    const char* entered;
    const char* shown;
    const char* code;
};

constexpr Example kExamples[] = {
    {"400.00000", "400.00000", "0000"}, {"400.00624", "400.00000", "0000"}, {"400.00625", "400.00625", "0001"},
    {"410.00000", "410.00000", "0640"}, {"433.07500", "433.07500", "14ac"}, {"433.07501", "433.07500", "14ac"},
    {"446.00625", "446.00625", "1cc1"}, {"446.00630", "446.00625", "1cc1"}, {"446.00624", "446.00000", "1cc0"},
    {"450.12345", "450.11875", "1f53"}, {"499.99999", "499.99375", "3e7f"}, {"500.00000", "500.00000", "3e80"},
    {"500.00001", "", "ffff"},          {"399.99999", "", "ffff"},          {"446006250", "", "ffff"},
    {"000.00000", "", "ffff"},          {"999.99999", "", "ffff"},
};

TEST(ChannelEntry, WorkedExamplesTypedOneCharacterAtATime) {
    for (const auto& e : kExamples) {
        Channels w;
        w.Type(2, e.entered);
        EXPECT_EQ(w.edit[2], e.shown) << e.entered;
        EXPECT_EQ(w.StoredText(0, 2), e.shown) << e.entered;
        EXPECT_EQ(w.StoredCode(0, 2), e.code) << e.entered;
        EXPECT_EQ(w.messages, 0) << e.entered;
    }
}

TEST(ChannelEntry, WorkedExamplesPastedWhole) {
    for (const auto& e : kExamples) {
        Channels w;
        const ChannelChange change = w.Change(5, e.entered);
        EXPECT_TRUE(change.writeBack);
        EXPECT_FALSE(change.invalidCharacter);
        EXPECT_EQ(w.edit[5], e.shown) << e.entered;
        EXPECT_EQ(w.StoredText(0, 5), e.shown) << e.entered;
        EXPECT_EQ(w.StoredCode(0, 5), e.code) << e.entered;
    }
}

TEST(ChannelEntry, PartialTextsThatPassChangeNothing) {
    Channels w;
    w.Type(0, "446.00625");
    ASSERT_EQ(w.StoredCode(0, 0), "1cc1");

    // Deleting the last digit leaves the channel as it was, nothing written back.
    const ChannelChange change = w.Change(0, "446.0062");
    EXPECT_FALSE(change.writeBack);
    EXPECT_EQ(w.edit[0], "446.0062");
    EXPECT_EQ(w.StoredText(0, 0), "446.00625");
    EXPECT_EQ(w.StoredCode(0, 0), "1cc1");

    // A digit in fourth place passes while the text is short.
    w.Change(1, "4460");
    EXPECT_EQ(w.edit[1], "4460");
    EXPECT_EQ(w.StoredCode(0, 1), "");
    EXPECT_EQ(w.messages, 0);
}

TEST(ChannelEntry, EmptiedEditAndSpacingClickLeaveNothingTheGroupWouldShowAgain) {
    Channels w;
    w.Type(3, "433.07500");
    w.Type(5, "446.00625");
    const ChannelChange change = w.Change(3, "");
    EXPECT_FALSE(change.writeBack);
    EXPECT_FALSE(change.invalidCharacter);
    EXPECT_EQ(w.StoredCode(0, 3), "");
    EXPECT_EQ(w.StoredText(0, 3), "");

    // Group B gets a spacing click; group A keeps what it had.
    w.s.m_nGroup = 1;
    ShowGroup(w.s);
    w.edit = w.s.m_strChannel;
    w.Type(0, "410.00000");
    w.s.m_nSpacing = 1;
    ClickSpacing(w.s);
    EXPECT_EQ(w.s.m_nGroupSpacing[1], 1);
    EXPECT_EQ(w.s.m_strChannel, PerChannel<std::string>{});

    // After a round trip every group shows exactly the texts whose codes Send sends.
    for (int g : {0, 1}) {
        w.s.m_nGroup = g;
        ShowGroup(w.s);
        EXPECT_EQ(w.s.m_nSpacing, g == 1 ? 1 : 0);
        for (int c = 0; c < kChannelCount; ++c) {
            const std::string& shown = w.s.m_strChannel[static_cast<std::size_t>(c)];
            EXPECT_EQ(shown.empty(), w.StoredCode(g, c).empty()) << g << c;
            EXPECT_EQ(shown, EnterWholeText(shown).text) << g << c;
        }
        EXPECT_EQ(w.s.m_strChannel[5], g == 0 ? "446.00625" : "");
    }
}

TEST(ChannelEntry, CompleteTextsCorrectedWithoutABoxSaySo) {
    const std::pair<const char*, Correction> cases[] = {{"446.00625", Correction::None},
                                                        {"446.00300", Correction::MovedDown},
                                                        {"520.00000", Correction::OutOfRange},
                                                        {"446006250", Correction::NotAFrequency},
                                                        {"446.0062", Correction::None}};
    for (const auto& [text, correction] : cases) {
        Channels w;
        const ChannelChange change = w.Change(0, text);
        EXPECT_EQ(change.correction, correction) << text;
        EXPECT_EQ(change.entered, correction == Correction::None ? change.entered : text) << text;
    }
}

TEST(ChannelEntry, BeginningsOfAFrequencyAreCompletedWithZeros) {
    const std::pair<const char*, const char*> cases[] = {
        {"446", "446.00000"}, {"446.", "446.00000"}, {"446.1", "446.10000"}, {"462.5625", "462.56250"},
        {"4460", nullptr},    {"44", nullptr},       {"", nullptr},          {"446.00625", nullptr},
        {"446.1x", nullptr},  {"4a6", nullptr},
    };
    for (const auto& [text, completed] : cases) {
        const auto got = CompleteFreqBeginning(text);
        EXPECT_EQ(got.has_value(), completed != nullptr) << text;
        if (got && completed) {
            EXPECT_EQ(*got, completed) << text;
        }
    }
}

TEST(ChannelEntry, BadCharacterShowsTheMessageOnceAndEmptiesTheEdit) {
    struct Case {
        const char* typed;
        int messages;
    };
    // A point anywhere but fourth, a letter, a blank, a byte outside ASCII,
    // and the last character of nine: each fails as soon as it is typed.
    for (const Case& c : {Case{"4.", 1}, Case{"446..", 1}, Case{"44a", 1}, Case{"446 ", 1}, Case{"4\xe4", 1},
                          Case{"400.0000 ", 1}, Case{"446.0062x", 1}, Case{"-", 1}}) {
        Channels w;
        w.Type(0, "446.00625");
        w.Change(0, "");
        w.Type(0, c.typed);
        EXPECT_EQ(w.messages, c.messages) << c.typed;
        EXPECT_EQ(w.edit[0], "") << c.typed;
        EXPECT_EQ(w.StoredText(0, 0), "") << c.typed;
        EXPECT_EQ(w.StoredCode(0, 0), "ffff") << c.typed;
    }
}

TEST(ChannelEntry, PastedNineCharactersAreCheckedEveryOne) {
    for (const char* text : {"400.0000 ", "446.0062x", "4x6.00625", "446.006.5", " 46.00625", "446,00625"}) {
        Channels w;
        const ChannelChange change = w.Change(4, text);
        EXPECT_TRUE(change.invalidCharacter) << text;
        EXPECT_TRUE(change.writeBack) << text;
        EXPECT_EQ(w.edit[4], "") << text;
        EXPECT_EQ(w.StoredCode(0, 4), "ffff") << text;
    }
    // Nine characters that pass the check but have no point are rejected quietly.
    Channels w;
    w.Type(6, "4460");
    w.Type(6, "06250");
    EXPECT_EQ(w.messages, 0);
    EXPECT_EQ(w.edit[6], "");
    EXPECT_EQ(w.StoredCode(0, 6), "ffff");
}

TEST(ChannelEntry, AFailureInOneEditNeverRejectsTheNextText) {
    Channels w;
    w.Type(2, "41");
    w.Type(0, "4a");
    ASSERT_EQ(w.messages, 1);
    EXPECT_FALSE(w.Change(2, "").invalidCharacter);
    w.Change(1, "446.00625");
    EXPECT_EQ(w.edit[1], "446.00625");
    EXPECT_EQ(w.StoredCode(0, 1), "1cc1");
    w.Type(0, "500.00000");
    EXPECT_EQ(w.StoredCode(0, 0), "3e80");
    EXPECT_EQ(w.messages, 1);
}

TEST(ChannelEntry, EachGroupKeepsItsOwnEntries) {
    Channels w;
    w.Type(2, "410.00000");
    w.s.m_nGroup = 1;
    w.Change(2, "");
    w.Type(2, "410.00000");
    w.s.m_nGroup = 7;
    w.Change(7, "500.00000");
    EXPECT_EQ(w.StoredCode(0, 2), "0640");
    EXPECT_EQ(w.StoredCode(1, 2), "0640");
    EXPECT_EQ(w.StoredCode(7, 7), "3e80");
    int filled = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        for (int c = 0; c < kChannelCount; ++c) {
            filled += !w.StoredCode(g, c).empty();
        }
    }
    EXPECT_EQ(filled, 3);
}

TEST(ChannelEntry, NumberToTextHelpers) {
    RadioSettings s;
    const std::pair<int, const char*> bytes[] = {{0, "00"}, {10, "0a"}, {255, "ff"}, {300, "2c"}, {0x1234, "34"}};
    for (const auto& [value, text] : bytes) {
        MakeHexByteText(s, value);
        EXPECT_EQ(s.m_strFreqCode, text) << value;
    }
    const std::pair<int, const char*> steps[] = {
        {0, "0000"}, {15, "000f"}, {7361, "1cc1"}, {16000, "3e80"}, {0x10000, "0000"}};
    for (const auto& [step, code] : steps) {
        MakeFreqCode(s, step);
        EXPECT_EQ(s.m_strFreqCode, code) << step;
    }
}

// Decodes a stored text the way the radio would read its code, independently
// of the entry's own arithmetic.
std::string ExpectedCode(const std::string& text) {
    const long tenHz = std::stol(text.substr(0, 3) + text.substr(4));
    char code[8];
    std::snprintf(code, sizeof code, "%04lx", (tenHz - 40000000) / 625);
    return code;
}

bool IsCanonical(const std::string& text) {
    if (text.size() != 9 || text[3] != '.') {
        return false;
    }
    for (std::size_t i = 0; i < 9; ++i) {
        if (i != 3 && (text[i] < '0' || text[i] > '9')) {
            return false;
        }
    }
    const long tenHz = std::stol(text.substr(0, 3) + text.substr(4));
    return tenHz >= 40000000 && tenHz <= 50000000 && tenHz % 625 == 0;
}

TEST(ChannelEntry, RandomTextsAlwaysLeaveConsistentEntries) {
    std::mt19937 rng(20261206);
    const std::string likely = "0123456789.4..";
    Channels w;
    for (int run = 0; run < 20000; ++run) {
        w.s.m_nGroup = static_cast<int>(rng() % kGroupCount);
        const int ch = static_cast<int>(rng() % kChannelCount);
        const int length = static_cast<int>(rng() % 13);
        std::string text;
        for (int i = 0; i < length; ++i) {
            // Mostly frequency-like characters, so that many texts are accepted.
            text += rng() % 4 ? likely[rng() % likely.size()] : static_cast<char>(rng() % 256);
        }
        if (rng() % 2) {
            w.Change(ch, text);
        } else {
            w.Change(ch, "");
            w.Type(ch, text);
        }

        const std::string& stored = w.StoredText(w.s.m_nGroup, ch);
        const std::string& code = w.StoredCode(w.s.m_nGroup, ch);
        ASSERT_TRUE(stored.empty() || IsCanonical(stored)) << "text " << stored;
        if (code.empty() || code == "ffff") {
            ASSERT_TRUE(code.empty() || stored.empty()) << "ffff with text " << stored;
            continue;
        }
        ASSERT_EQ(code.size(), 4u);
        ASSERT_TRUE(code.find_first_not_of("0123456789abcdef") == std::string::npos) << code;
        ASSERT_LE(std::stoi(code, nullptr, 16), 0x3e80) << code;
        ASSERT_EQ(code, ExpectedCode(stored)) << "text " << stored;
    }
}

} // namespace
} // namespace velmar
