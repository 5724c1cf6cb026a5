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
// refusal of the whole list, the preview that asks how the rows go in (merged or replacing all channels), its
// detail (the channels each way changes, then the notes) and the note on what was done.
std::string DescribeCsvNote(const CsvNote& note);
std::string DescribeCsvRefusal(CsvRefusal refusal, int line);
std::string ImportPreview(const CsvImport& in, const std::string& fileName, const ImportFacts& facts);
std::string ImportPreviewDetail(const CsvImport& in, const ImportFacts& facts);
std::string Imported(const std::string& fileName, ImportWay way, std::size_t changes);

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
