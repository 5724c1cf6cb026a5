// libFuzzer target: the CSV channel-list reader. Whatever the bytes, it refuses or reads them without a crash,
// a hang or a leak; and what it takes, exported and imported again, gives the same frame.

#include "ChannelCsv.h"
#include "ProgrammingFrame.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmar::CsvImport in;
    if (velmar::ImportChannelsCsv(text, &in) != velmar::CsvRefusal::None) {
        return 0;
    }
    velmar::RadioSettings taken;
    velmar::ApplyCsvImport(taken, in);
    velmar::CsvImport again;
    if (velmar::ImportChannelsCsv(velmar::ExportChannelsCsv(taken), &again) != velmar::CsvRefusal::None) {
        __builtin_trap();
    }
    velmar::RadioSettings back;
    velmar::ApplyCsvImport(back, again);
    if (velmar::BuildProgrammingFrame(back).bytes != velmar::BuildProgrammingFrame(taken).bytes) {
        __builtin_trap();
    }
    return 0;
}
