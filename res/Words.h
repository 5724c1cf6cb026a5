#pragma once
// The window's words, each once: menus, dialogs, the status line and the notes on what happened to the
// operator's input. Fixed texts are constants; texts made of parts are functions. Plain C++ (UTF-8), so that a
// translation can follow from here; the dialog's own fixed texts ("Port Ofen Fail", the captions) stay in the
// string table (Resource.h).

#include "ChannelEntry.h"
#include "ChannelPlans.h"
#include "FileFailure.h"
#include "SendResults.h"
#include "SentHistory.h"
#include "SettingCheck.h"
#include "SettingEditor.h"
#include "SettingHistory.h"
#include "SettingLabels.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmar::res {

// Menus and their entries.
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuOpen = "&Open\u2026";
inline constexpr const char* kMenuOpenRecent = "Open &Recent";
// "&1 /home/u/club.velmar": an entry of Open Recent, the first nine keyed by their number.
std::string RecentEntry(int number, std::string_view path);
inline constexpr const char* kMenuSent = "Sent\u2026";
inline constexpr const char* kMenuSave = "&Save";
inline constexpr const char* kMenuSaveAs = "Save &As\u2026";
inline constexpr const char* kMenuImport = "&Import Channels (CSV)\u2026";
inline constexpr const char* kMenuExport = "&Export Channels (CSV)\u2026";
inline constexpr const char* kMenuProperties = "Propert&ies\u2026";
inline constexpr const char* kMenuExportCard = "Export Channel Car&d\u2026";
inline constexpr const char* kMenuPrintCard = "&Print Channel Card\u2026";
inline constexpr const char* kMenuQuit = "&Quit";
inline constexpr const char* kMenuPort = "&Port";
inline constexpr const char* kMenuRadio = "&Radio";
inline constexpr const char* kMenuConnect = "&Connect";
inline constexpr const char* kMenuDisconnect = "&Disconnect";
inline constexpr const char* kMenuSend = "&Send";
inline constexpr const char* kMenuOtherDevice = "&Other Device\u2026";
inline constexpr const char* kMenuFindCable = "&Find My Cable\u2026";
inline constexpr const char* kMenuChannels = "&Channels";
inline constexpr const char* kMenuFillGroup = "&Fill Group with";
inline constexpr const char* kMenuClearGroup = "&Clear Group";
inline constexpr const char* kMenuHelp = "&Help";
inline constexpr const char* kMenuClose = "&Close";
inline constexpr const char* kMenuNew = "&New";
inline constexpr const char* kMenuCompareWith = "Co&mpare With\u2026";
inline constexpr const char* kMenuCompareLastSent = "Compare With &Last Sent";
inline constexpr const char* kMenuEdit = "&Edit";
inline constexpr const char* kMenuUndo = "&Undo";
inline constexpr const char* kMenuRedo = "&Redo";
inline constexpr const char* kMenuCopyGroup = "&Copy Group";
inline constexpr const char* kMenuPasteGroup = "&Paste Group";
inline constexpr const char* kMenuView = "&View";
inline constexpr const char* kMenuAllChannels = "&All Channels";
inline constexpr const char* kMenuMessages = "&Messages";
inline constexpr const char* kMessagesTitle = "Messages";
inline constexpr const char* kButtonCopyAll = "&Copy All";
// "Undo CH3 of Group A", "Redo Fill Group C", "Undo Band Select".
std::string UndoText(const SettingChange& change);
std::string RedoText(const SettingChange& change);
std::string ChangeName(const SettingChange& change);

// Buttons of boxes that are not OK, Cancel, Save or Discard.
inline constexpr const char* kButtonReplace = "&Replace";
inline constexpr const char* kButtonImport = "&Import";
inline constexpr const char* kButtonRestore = "&Restore";
inline constexpr const char* kButtonLater = "&Later";
inline constexpr const char* kButtonOverwrite = "&Overwrite";
inline constexpr const char* kButtonMerge = "&Merge into the file's Locations";
inline constexpr const char* kButtonReplaceAll = "Replace &all channels";

// File dialogs.
inline constexpr const char* kSettingFilter = "Velmar settings (*.velmar)";
inline constexpr const char* kCsvFilter = "Channel lists (*.csv)";
inline constexpr const char* kOpenSettingTitle = "Open Setting";
inline constexpr const char* kSaveSettingTitle = "Save Setting As";
inline constexpr const char* kImportTitle = "Import Channels";
inline constexpr const char* kExportTitle = "Export Channels";
inline constexpr const char* kOpenSentTitle = "Open a Sent Setting";
inline constexpr const char* kNewSettingName = "setting.velmar";
inline constexpr const char* kNewListName = "channels.csv";
inline constexpr const char* kPdfFilter = "PDF documents (*.pdf)";
inline constexpr const char* kExportCardTitle = "Export Channel Card";
inline constexpr const char* kNewCardName = "channel-card.pdf";

// File > Properties: what the radio does not store.
inline constexpr const char* kPropertiesTitle = "Properties";
inline constexpr const char* kPropertiesLabelTitle = "&Title:";
inline constexpr const char* kPropertiesLabelNotes = "&Notes:";
inline constexpr const char* kPropertiesWhat =
    "The title, the notes and the channels' names travel with the setting file and go on the channel card; "
    "the radio does not store them.";
std::string LabelRefused(const LabelRefusal& refusal); // "The title has ..."

// The channel card.
inline constexpr const char* kCardUntitled = "Channel card";
inline constexpr const char* kCardNotes = "Notes";
inline constexpr const char* kCardNoChannels = "No channel has a frequency.";
inline constexpr const char* kCardModeOwnChannels =
    "In this mode the radio uses its own channels: the groups below are not in use until \"GRUOP\" is chosen.";
std::string CardGroupHeading(int group, std::string_view spacing); // "Group A    12.5Khz"
std::string CardMade(std::string_view date);                       // "Made 2026-12-07 with Velmar"
std::string CardWritten(std::string_view file);
std::string CardNotWritten(std::string_view why);
// "no font to write the card in: install DejaVu Sans (the fonts-dejavu-core package)".
std::string CardNoFont(std::string_view family);

// The window's title: "Velmar", "Velmar - club.velmar *", "Velmar - Camp (club.velmar)", "Velmar - Camp *".
inline constexpr const char* kAppTitle = "Velmar";
std::string Title(std::string_view settingTitle, std::string_view file, bool modified);
std::string RecordTitle(const SentRecordName& record, bool modified);

// The Port menu.
inline constexpr const char* kDisconnectFirst = "Disconnect to change the port: the port in use stays until then.";
inline constexpr const char* kOtherDeviceTitle = "Other Device";
inline constexpr const char* kOtherDevicePrompt =
    "The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):";
inline constexpr const char* kFindCableTitle = "Find My Cable";
inline constexpr const char* kBuiltIn = "built-in";
std::string FindCablePrompt(int seconds);
// A port in force that is not among the serial ports listed, named by what it is.
std::string UnlistedPort(std::string_view device, DeviceKind kind);
std::string CableFound(std::string_view device);
std::string NothingChanged(int seconds, std::string_view com1);
std::string CableGone(std::string_view gone, int seconds, std::string_view com1);
std::string PortsPresent(std::span<const std::string> ports);

// The status line.
inline constexpr const char* kLinkOpen = "open";
inline constexpr const char* kLinkClosed = "closed";
inline constexpr const char* kLinkHungUp = "open, the line hung up";
inline constexpr const char* kStatusName = "Status";
inline constexpr const char* kSendProgressName = "Send progress";
inline constexpr const char* kSendName = "Send";
inline constexpr const char* kLinkName = "Link";
inline constexpr const char* kReceivedName = "Received";
inline constexpr const char* kNoteName = "Note";
inline constexpr const char* kHintName = "Hint";
std::string Sending(int bytes, int total, int msLeft);
std::string Sent(int bytes, std::uint8_t checksum);
std::string SentPart(int bytes, int total, std::string_view why);
// "Sent 258 bytes, checksum 0x57, but the line stalled for ...".
std::string SentStalled(int bytes, std::uint8_t checksum, std::string_view why);
std::string Received(int count, std::string_view lastBytesHex);
std::string LinkLine(std::string_view com1, std::string_view state);

inline constexpr const char* kClosingAfterSend = "Closing after the Send\u2026";

// The first screen: why the channel controls are closed, until "GRUOP" opens them.
inline constexpr const char* kModeOwnChannels =
    "PMR, LPD and PMR + LPD use the radio's own channels: choose \"GRUOP\" to program the groups.";
inline constexpr const char* kChannelCommandsWhy = "The channels are programmed in the \"GRUOP\" mode.";

// What the entry rules made of each text a command took, one sentence after the other; empty for nothing.
std::string EditNote(const EditResult& result);
std::string TypedNote(int group, int channel, const TypedChannel& typed);
// A name the entry did not take.
std::string NameNote(int group, int channel, LabelProblem problem);

// The channel table.
inline constexpr const char* kAllChannelsTitle = "All Channels";
inline constexpr const char* kColumnGroup = "Group";
inline constexpr const char* kColumnChannel = "CH";
inline constexpr const char* kColumnFrequency = "Frequency";
inline constexpr const char* kColumnName = "Name";
inline constexpr const char* kColumnSpacing = "Spacing";
inline constexpr const char* kColumnPlan = "Plan";
inline constexpr const char* kColumnSameAs = "Same as";
std::string ChannelLabel(int group, int channel); // "A3"
std::string PlanLabel(const PlanChannel& plan);   // "PMR446 3"

// Edit > Check Setting.
inline constexpr const char* kMenuCheckSetting = "Chec&k Setting";
inline constexpr const char* kCheckTitle = "Check Setting";
inline constexpr const char* kCheckClean =
    "Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds "
    "a frequency twice.";
inline constexpr const char* kCheckOwnChannels =
    "Nothing to check: in this mode the radio uses its own channels, not the groups.";
// "2 things to look at before a Send; they do not stop it:" and one line each.
std::string CheckFound(std::size_t count);
std::string DescribeSettingWarning(const SettingWarning& warning);
// The status area's line while something is found: the first warning, and how many there are.
std::string CheckLine(std::size_t count, const SettingWarning& first);

// Compare.
inline constexpr const char* kCompareTitle = "Compare With";
inline constexpr const char* kNoSendKept =
    "No Send the radio could have taken has been kept yet: the history of sent settings holds none.";
std::string Identical(std::string_view file, const std::optional<SentRecordName>& record);
std::string Differences(std::size_t count, std::string_view file);
std::string DescribeDifference(const SettingDifference& d);

// Notes on the operator's input.
std::string Completed(int channel, std::string_view typed, std::string_view completed);
std::string Corrected(int channel, Correction correction, std::string_view entered, std::string_view shown);
std::string Unsettled(int group, int channel, std::string_view shown);
std::string TooManyCharacters(int count);
std::string FillAsk(int group, int filled, std::string_view plan);
std::string Filled(int group, std::string_view plan);
// "PMR446 channels 1–8", "LPD433 channels 65–69", "XYZ channel 17".
std::string SliceLabel(const PlanSlice& slice);
// "Group A: CH1 and CH6 are both 446.00625"; empty when nothing stands twice.
std::string DescribeDuplicates(int group, std::span<const DuplicateChannels> found);

// Files.
std::string Opened(std::string_view file);
std::string OpenedRecord(std::string_view file);
std::string Saved(std::string_view file);
std::string Exported(std::string_view file);
std::string Unsaved(std::string_view fileOrEmpty);
// The file to be saved over was written by another program since it was opened or saved here.
std::string ChangedOnDisk(std::string_view file);
std::string ChannelListOffer(std::string_view file);
// "Group A changes from 12.5Khz to 25Khz: its rows say FM."
std::string SpacingChangeText(const ImportFacts::SpacingChange& change);
std::string NotRemembered(const FileFailure& failure);
std::string NoRecentFiles(const FileFailure& failure);
std::string NotInHistory(const FileFailure& failure);
std::string NotKeptAgainstCrash(const FileFailure& failure);
// "Velmar ended at ... without saving the changes to club.velmar (12 channels in 2 groups). Restore them?", with
// "(2 of 3)" before it when more than one window left work.
std::string RestoreOffer(std::string_view when, std::string_view fileOrEmpty, const RadioSettings& holds, int index,
                         int count);
std::string Restored(std::string_view fileOrEmpty);

// `velmar --help`, written for a terminal and for help2man.
extern const char* const kVelmarUsage;

} // namespace velmar::res
