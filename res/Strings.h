#pragma once
// The words of the program's messages that are made of parts: a serial failure and a receive queue that
// overflowed. The fixed texts are in the string table (LoadString, ids in Resource.h). The layers below the
// window report typed results; only the programs word them, from here.

#include "ChannelCsv.h"
#include "FileFailure.h"
#include "SendResults.h"
#include "SerialResults.h"
#include "SettingEditor.h"

#include <cstdint>
#include <string>

namespace velmar::res {

// A message box's detail for a port that could not be opened: the device, what went wrong and, where the user
// can do something about it, what. A device refused for want of permission is answered by its group: joining
// a group that serial devices belong to is advised, joining a group that gives far more than the device never.
std::string DescribeSerialFailure(const SerialFailure& failure);
// Just what was refused: "the driver did not keep 4800 baud", or the system's own text.
std::string DescribeSerialProblem(const SerialFailure& failure);
// How a Send ended, in plain words, for the window's status line and velmar-send alike: "the line hung up (...)".
std::string DescribeSendEnd(SendEnd end, int bytes, SendStopper stopper, const SendStall& stall = {});

// Why a device is COM1, as the status line and velmar-send say it: "command line", "VELMAR_COM1", "remembered",
// "default", "chosen".
std::string PortReasonText(PortReason reason);
// "COM1 = /dev/ttyUSB0 (remembered)".
std::string Com1Text(const PortInForce& port);
// A remembered port that cannot be read: which file, why, and what to do instead.
std::string PortUnreadable(const FileFailure& why);

// A channel list's import: a note as one line ("line 7: Group A CH3: 446.00624 moved to 446.00000 ..."), a
// refusal of the whole list, and the box's short summary ("12 channels taken from club.csv; 2 rows not taken,
// 3 changes: see the details").
std::string DescribeCsvNote(const CsvNote& note);
std::string DescribeCsvRefusal(CsvRefusal refusal, int line);
std::string CsvImportSummary(const CsvImport& in, const std::string& fileName, const ImportFacts& facts);
// The groups whose spacing changed, then the notes one per line, at most `limit` of them and then how many more.
std::string CsvImportDetail(const CsvImport& in, const ImportFacts& facts, std::size_t limit = 1000);

// A file that could not be read, written or taken as a setting: "club.velmar: cannot read: Permission denied",
// "club.velmar: groups[1].channels[4]: is \"446.0062\", must be a frequency ...", "cannot keep the sent setting in
// DIR: No space left on device". DescribeFileProblem is the reason alone.
std::string DescribeFileFailure(const FileFailure& failure);
std::string DescribeFileProblem(const FileFailure& failure);

// What was wrong with a command line, velmar's or velmar-send's: "--port needs a device".
std::string CommandLineRefused(const CommandLineRefusal& refusal);

// A device a killed program left held, with no program holding it now: the hold was cleared.
std::string StaleHoldCleared(const std::string& device);

// "buff full"'s detail: how many received bytes were dropped and how full the queue was.
std::string DescribeBuffFull(std::uint32_t dropped, int held, int capacity);

} // namespace velmar::res
