#include "ChannelEntry.h"

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
        messages += change.invalidCharacter ? 1 : 0;
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

// Typed one character at a time and pasted whole, each gives the same result without a message.
TEST(ChannelEntry, WorkedExamplesTypedOrPasted) {
    const char* examples[][3] = {
        // entered, shown, code
        {"400.00000", "400.00000", "0000"}, {"400.00624", "400.00000", "0000"}, {"400.00625", "400.00625", "0001"},
        {"410.00000", "410.00000", "0640"}, {"433.07500", "433.07500", "14ac"}, {"433.07501", "433.07500", "14ac"},
        {"446.00625", "446.00625", "1cc1"}, {"446.00630", "446.00625", "1cc1"}, {"446.00624", "446.00000", "1cc0"},
        {"450.12345", "450.11875", "1f53"}, {"499.99999", "499.99375", "3e7f"}, {"500.00000", "500.00000", "3e80"},
        {"500.00001", "", "ffff"},          {"399.99999", "", "ffff"},          {"446006250", "", "ffff"},
        {"000.00000", "", "ffff"},          {"999.99999", "", "ffff"},
    };
    for (const auto& [entered, shown, code] : examples) {
        for (const bool typed : {true, false}) {
            Channels w;
            if (typed) {
                w.Type(2, entered);
            } else {
                EXPECT_TRUE(w.Change(2, entered).writeBack) << entered;
            }
            EXPECT_EQ(w.edit[2], shown) << entered;
            EXPECT_EQ(w.StoredText(0, 2), shown) << entered;
            EXPECT_EQ(w.StoredCode(0, 2), code) << entered;
            EXPECT_EQ(w.messages, 0) << entered;
        }
    }
}

TEST(ChannelEntry, PartialTextsChangeNothingAndAnEmptiedEditEmptiesTheChannel) {
    Channels w;
    w.Type(0, "446.00625");
    // Deleting the last digit leaves the channel as it was, nothing written back.
    EXPECT_FALSE(w.Change(0, "446.0062").writeBack);
    EXPECT_EQ(w.edit[0], "446.0062");
    EXPECT_EQ(w.StoredText(0, 0), "446.00625");
    EXPECT_EQ(w.StoredCode(0, 0), "1cc1");
    // A digit in fourth place passes while the text is short.
    w.Change(1, "4460");
    EXPECT_EQ(w.edit[1], "4460");
    EXPECT_EQ(w.StoredCode(0, 1), "");
    EXPECT_EQ(w.messages, 0);
    // The group shows on its return what Send will send: nothing.
    const ChannelChange emptied = w.Change(0, "");
    EXPECT_FALSE(emptied.writeBack || emptied.invalidCharacter);
    EXPECT_EQ(w.StoredText(0, 0), "");
    EXPECT_EQ(w.StoredCode(0, 0), "");
}

TEST(ChannelEntry, CompleteTextsCorrectedWithoutABoxSaySo) {
    const std::pair<const char*, Correction> cases[] = {{"446.00625", Correction::None},
                                                        {"446.00300", Correction::MovedDown},
                                                        {"520.00000", Correction::OutOfRange},
                                                        {"446006250", Correction::NotAFrequency},
                                                        {"446.0062", Correction::None}};
    for (const auto& [text, correction] : cases) {
        const ChannelChange change = Channels().Change(0, text);
        EXPECT_EQ(change.correction, correction) << text;
        EXPECT_TRUE(correction == Correction::None || change.entered == text) << text;
    }
}

TEST(ChannelEntry, BeginningsOfAFrequencyAreCompletedWithZeros) {
    const std::pair<const char*, const char*> cases[] = {
        {"446", "446.00000"}, {"446.", "446.00000"}, {"446.1", "446.10000"}, {"462.5625", "462.56250"},
        {"4460", nullptr},    {"44", nullptr},       {"", nullptr},          {"446.00625", nullptr},
        {"446.1x", nullptr},  {"4a6", nullptr},
    };
    for (const auto& [text, completed] : cases) {
        EXPECT_EQ(CompleteFreqBeginning(text).value_or("none"), completed ? completed : "none") << text;
    }
}

// A point anywhere but fourth, a letter, a blank, a byte outside ASCII, and the last character of nine: each
// fails as soon as it arrives, typed or within a pasted text, with one message, and replaces what the channel had.
TEST(ChannelEntry, BadCharacterGivesOneMessageAndEmptiesTheChannel) {
    const std::pair<const char*, bool> cases[] = {
        // text, typed as well as pasted (its only bad character is the last)
        {"4.", true},         {"446..", true},      {"44a", true},        {"446 ", true},
        {"4\xe4", true},      {"400.0000 ", true},  {"446.0062x", true},  {"-", true},
        {"4x6.00625", false}, {"446.006.5", false}, {" 46.00625", false}, {"446,00625", false},
    };
    for (const auto& [text, typedToo] : cases) {
        for (const bool typed : {false, typedToo}) { // pasted, then typed where it can be
            Channels w;
            w.Type(4, "446.00625");
            w.Change(4, "");
            if (typed) {
                w.Type(4, text);
            } else {
                EXPECT_TRUE(w.Change(4, text).writeBack) << text;
            }
            EXPECT_EQ(w.messages, 1) << text;
            EXPECT_EQ(w.edit[4], "") << text;
            EXPECT_EQ(w.StoredText(0, 4), "") << text;
            EXPECT_EQ(w.StoredCode(0, 4), "ffff") << text;
        }
    }
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

// Random texts into random channels of random groups: every entry stays consistent, and no change touches
// another group's or channel's entry.
TEST(ChannelEntry, RandomTextsAlwaysLeaveConsistentEntries) {
    std::mt19937 rng(20261206);
    const std::string likely = "0123456789.4..";
    Channels w;
    RadioSettings seen; // each entry as it was left by the last change of its own channel
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
        seen.m_strGroupChannel[std::size_t(w.s.m_nGroup)][std::size_t(ch)] = stored;
        seen.m_strGroupCode[std::size_t(w.s.m_nGroup)][std::size_t(ch)] = code;
        ASSERT_TRUE(w.s.m_strGroupChannel == seen.m_strGroupChannel && w.s.m_strGroupCode == seen.m_strGroupCode)
            << "a change of group " << w.s.m_nGroup << " CH" << ch + 1 << " touched another entry";
        ASSERT_TRUE(stored.empty() || IsCanonical(stored)) << "text " << stored;
        if (code.empty() || code == "ffff") {
            ASSERT_TRUE(code.empty() || stored.empty()) << "ffff with text " << stored;
            continue;
        }
        ASSERT_FALSE(stored.empty()) << "code " << code << " without a text";
        ASSERT_EQ(code.size(), 4u);
        ASSERT_TRUE(code.find_first_not_of("0123456789abcdef") == std::string::npos) << code;
        ASSERT_LE(std::stoi(code, nullptr, 16), 0x3e80) << code;
        ASSERT_EQ(code, ExpectedCode(stored)) << "text " << stored;
    }
}

} // namespace
} // namespace velmar
