// libFuzzer target: the setting-file reader. Whatever the bytes, it refuses or reads them without a crash, a
// hang or a leak; and a setting it reads, written again and read back, gives the same frame.

#include "ProgrammingFrame.h"
#include "SettingFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmar::RadioSettings s;
    velmar::FileFailure error;
    if (!velmar::SettingFromJson(text, "fuzz.velmar", &s, &error)) {
        return 0;
    }
    velmar::RadioSettings back;
    if (!velmar::SettingFromJson(velmar::SettingToJson(s), "again.velmar", &back, &error) ||
        !velmar::SameSetting(s, back)) {
        __builtin_trap();
    }
    return 0;
}
