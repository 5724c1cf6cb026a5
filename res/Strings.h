#pragma once
// The words of the program's messages that are made of parts: a serial failure and a receive queue that
// overflowed. The fixed texts are in the string table (LoadString, ids in Resource.h). The layers below the
// window report typed results; only the programs word them, from here.

#include "PosixSerial.h"

#include <cstdint>
#include <string>

namespace velmar::res {

// A message box's detail for a port that could not be opened: the device, what went wrong and, where the user
// can do something about it, what. `deviceGroup` is the group owning the device (for permission problems; empty
// when unknown).
std::string DescribeSerialFailure(const SerialFailure& failure, const std::string& deviceGroup);
// The same, finding the device's group itself.
std::string DescribeSerialFailure(const SerialFailure& failure);
// "buff full"'s detail: how many received bytes were dropped and how full the queue was.
std::string DescribeBuffFull(std::uint32_t dropped, int held, int capacity);

} // namespace velmar::res
