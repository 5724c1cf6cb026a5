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
#include "Translate.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmar::res {

// Menus and their entries.
inline constexpr const char* kMenuFile = VELMAR_WORD("Velmar", "&File");
inline constexpr const char* kMenuOpen = VELMAR_WORD("Velmar", "&Open\u2026");
inline constexpr const char* kMenuOpenRecent = VELMAR_WORD("Velmar", "Open &Recent");
// "&1 /home/u/club.velmar": an entry of Open Recent, the first nine keyed by their number.
std::string RecentEntry(int number, std::string_view path);
inline constexpr const char* kMenuSent = VELMAR_WORD("Velmar", "Sent\u2026");
inline constexpr const char* kMenuSave = VELMAR_WORD("Velmar", "&Save");
inline constexpr const char* kMenuSaveAs = VELMAR_WORD("Velmar", "Save &As\u2026");
inline constexpr const char* kMenuImport = VELMAR_WORD("Velmar", "&Import Channels (CSV)\u2026");
inline constexpr const char* kMenuExport = VELMAR_WORD("Velmar", "&Export Channels (CSV)\u2026");
inline constexpr const char* kMenuProperties = VELMAR_WORD("Velmar", "Propert&ies\u2026");
inline constexpr const char* kMenuExportCard = VELMAR_WORD("Velmar", "Export Channel Car&d\u2026");
inline constexpr const char* kMenuPrintCard = VELMAR_WORD("Velmar", "&Print Channel Card\u2026");
inline constexpr const char* kMenuQuit = VELMAR_WORD("Velmar", "&Quit");
inline constexpr const char* kMenuPort = VELMAR_WORD("Velmar", "&Port");
inline constexpr const char* kMenuRadio = VELMAR_WORD("Velmar", "&Radio");
inline constexpr const char* kMenuConnect = VELMAR_WORD("Velmar", "&Connect");
inline constexpr const char* kMenuDisconnect = VELMAR_WORD("Velmar", "&Disconnect");
inline constexpr const char* kMenuSend = VELMAR_WORD("Velmar", "&Send");
inline constexpr const char* kMenuOtherDevice = VELMAR_WORD("Velmar", "&Other Device\u2026");
inline constexpr const char* kMenuFindCable = VELMAR_WORD("Velmar", "&Find My Cable\u2026");
inline constexpr const char* kMenuChannels = VELMAR_WORD("Velmar", "&Channels");
inline constexpr const char* kMenuFillGroup = VELMAR_WORD("Velmar", "&Fill Group with");
inline constexpr const char* kMenuClearGroup = VELMAR_WORD("Velmar", "&Clear Group");
inline constexpr const char* kMenuHelp = VELMAR_WORD("Velmar", "&Help");
inline constexpr const char* kMenuClose = VELMAR_WORD("Velmar", "&Close");
inline constexpr const char* kMenuNew = VELMAR_WORD("Velmar", "&New");
inline constexpr const char* kMenuCompareWith = VELMAR_WORD("Velmar", "Co&mpare With\u2026");
inline constexpr const char* kMenuCompareLastSent = VELMAR_WORD("Velmar", "Compare With &Last Sent");
inline constexpr const char* kMenuEdit = VELMAR_WORD("Velmar", "&Edit");
inline constexpr const char* kMenuUndo = VELMAR_WORD("Velmar", "&Undo");
inline constexpr const char* kMenuRedo = VELMAR_WORD("Velmar", "&Redo");
inline constexpr const char* kMenuCopyGroup = VELMAR_WORD("Velmar", "&Copy Group");
inline constexpr const char* kMenuPasteGroup = VELMAR_WORD("Velmar", "&Paste Group");
inline constexpr const char* kMenuView = VELMAR_WORD("Velmar", "&View");
inline constexpr const char* kMenuAllChannels = VELMAR_WORD("Velmar", "&All Channels");
inline constexpr const char* kMenuMessages = VELMAR_WORD("Velmar", "&Messages");
inline constexpr const char* kMessagesTitle = VELMAR_WORD("Velmar", "Messages");
inline constexpr const char* kButtonCopyAll = VELMAR_WORD("Velmar", "&Copy All");
// "Undo CH3 of Group A", "Redo Fill Group C", "Undo Band Select".
std::string UndoText(const SettingChange& change);
std::string RedoText(const SettingChange& change);
std::string ChangeName(const SettingChange& change);

// Buttons of boxes that are not OK, Cancel, Save or Discard.
inline constexpr const char* kButtonReplace = VELMAR_WORD("Velmar", "&Replace");
inline constexpr const char* kButtonImport = VELMAR_WORD("Velmar", "&Import");
inline constexpr const char* kButtonRestore = VELMAR_WORD("Velmar", "&Restore");
inline constexpr const char* kButtonLater = VELMAR_WORD("Velmar", "&Later");
inline constexpr const char* kButtonOverwrite = VELMAR_WORD("Velmar", "&Overwrite");
inline constexpr const char* kButtonMerge = VELMAR_WORD("Velmar", "&Merge into the file's Locations");
inline constexpr const char* kButtonReplaceAll = VELMAR_WORD("Velmar", "Replace &all channels");

// File dialogs.
inline constexpr const char* kSettingFilter = VELMAR_WORD("Velmar", "Velmar settings (*.velmar)");
inline constexpr const char* kCsvFilter = VELMAR_WORD("Velmar", "Channel lists (*.csv)");
inline constexpr const char* kOpenSettingTitle = VELMAR_WORD("Velmar", "Open Setting");
inline constexpr const char* kSaveSettingTitle = VELMAR_WORD("Velmar", "Save Setting As");
inline constexpr const char* kImportTitle = VELMAR_WORD("Velmar", "Import Channels");
inline constexpr const char* kExportTitle = VELMAR_WORD("Velmar", "Export Channels");
inline constexpr const char* kOpenSentTitle = VELMAR_WORD("Velmar", "Open a Sent Setting");
inline constexpr const char* kNewSettingName = "setting.velmar";
inline constexpr const char* kNewListName = "channels.csv";
inline constexpr const char* kPdfFilter = VELMAR_WORD("Velmar", "PDF documents (*.pdf)");
inline constexpr const char* kExportCardTitle = VELMAR_WORD("Velmar", "Export Channel Card");
inline constexpr const char* kNewCardName = "channel-card.pdf";

// File > Properties: what the radio does not store.
inline constexpr const char* kPropertiesTitle = VELMAR_WORD("Velmar", "Properties");
inline constexpr const char* kPropertiesLabelTitle = VELMAR_WORD("Velmar", "&Title:");
inline constexpr const char* kPropertiesLabelNotes = VELMAR_WORD("Velmar", "&Notes:");
inline constexpr const char* kPropertiesWhat = VELMAR_WORD(
    "Velmar", "The title, the notes and the channels' names travel with the setting file and go on the channel card; "
              "the radio does not store them.");
std::string LabelRefused(const LabelRefusal& refusal); // "The title has ..."

// The channel card.
inline constexpr const char* kCardUntitled = VELMAR_WORD("Velmar", "Channel card");
inline constexpr const char* kCardNotes = VELMAR_WORD("Velmar", "Notes");
inline constexpr const char* kCardNoChannels = VELMAR_WORD("Velmar", "No channel has a frequency.");
inline constexpr const char* kCardModeOwnChannels = VELMAR_WORD(
    "Velmar",
    "In this mode the radio uses its own channels: the groups below are not in use until \"GRUOP\" is chosen.");
std::string CardGroupHeading(int group, std::string_view spacing); // "Group A    12.5Khz"
std::string CardMade(std::string_view date);                       // "Made 2026-12-07 with Velmar"
std::string CardWritten(std::string_view file);
std::string CardNotWritten(std::string_view why);
// Printing needs a library of Velmar's own that could not be loaded; `why` is the system's reason.
std::string CardNotPrinted(std::string_view why);
// The Port menu's note when the library that lists the ports could not be loaded.
std::string PortsNotListed(std::string_view why);
// "no font to write the card in: install DejaVu Sans (the fonts-dejavu-core package)".
std::string CardNoFont(std::string_view family);

// The window's title: "Velmar", "Velmar - club.velmar *", "Velmar - Camp (club.velmar)", "Velmar - Camp *".
inline constexpr const char* kAppTitle = "Velmar";
std::string Title(std::string_view settingTitle, std::string_view file, bool modified);
std::string RecordTitle(const SentRecordName& record, bool modified);

// The Port menu.
inline constexpr const char* kDisconnectFirst =
    VELMAR_WORD("Velmar", "Disconnect to change the port: the port in use stays until then.");
inline constexpr const char* kOtherDeviceTitle = VELMAR_WORD("Velmar", "Other Device");
inline constexpr const char* kOtherDevicePrompt =
    VELMAR_WORD("Velmar", "The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):");
inline constexpr const char* kFindCableTitle = VELMAR_WORD("Velmar", "Find My Cable");
inline constexpr const char* kBuiltIn = VELMAR_WORD("Velmar", "built-in");
std::string FindCablePrompt(int seconds);
// A port in force that is not among the serial ports listed, named by what it is.
std::string UnlistedPort(std::string_view device, DeviceKind kind);
std::string CableFound(std::string_view device);
std::string NothingChanged(int seconds, std::string_view com1);
std::string CableGone(std::string_view gone, int seconds, std::string_view com1);
std::string PortsPresent(std::span<const std::string> ports);

// The status line.
inline constexpr const char* kLinkOpen = VELMAR_WORD("Velmar", "open");
inline constexpr const char* kLinkClosed = VELMAR_WORD("Velmar", "closed");
inline constexpr const char* kLinkHungUp = VELMAR_WORD("Velmar", "open, the line hung up");
inline constexpr const char* kStatusName = VELMAR_WORD("Velmar", "Status");
inline constexpr const char* kSendProgressName = VELMAR_WORD("Velmar", "Send progress");
inline constexpr const char* kSendName = VELMAR_WORD("Velmar", "Send");
inline constexpr const char* kLinkName = VELMAR_WORD("Velmar", "Link");
inline constexpr const char* kReceivedName = VELMAR_WORD("Velmar", "Received");
inline constexpr const char* kNoteName = VELMAR_WORD("Velmar", "Note");
inline constexpr const char* kHintName = VELMAR_WORD("Velmar", "Hint");
std::string Sending(int bytes, int total, int msLeft);
std::string Sent(int bytes, std::uint8_t checksum);
std::string SentPart(int bytes, int total, std::string_view why);
// "Sent 258 bytes, checksum 0x57, but the line stalled for ...".
std::string SentStalled(int bytes, std::uint8_t checksum, std::string_view why);
std::string Received(int count, std::string_view lastBytesHex);
std::string LinkLine(std::string_view com1, const char* state); // state: kLinkOpen, kLinkClosed, kLinkHungUp

inline constexpr const char* kClosingAfterSend = VELMAR_WORD("Velmar", "Closing after the Send\u2026");

// The first screen: why the channel controls are closed, until "GRUOP" opens them.
inline constexpr const char* kModeOwnChannels = VELMAR_WORD(
    "Velmar", "PMR, LPD and PMR + LPD use the radio's own channels: choose \"GRUOP\" to program the groups.");
inline constexpr const char* kChannelCommandsWhy =
    VELMAR_WORD("Velmar", "The channels are programmed in the \"GRUOP\" mode.");

// What the entry rules made of each text a command took, one sentence after the other; empty for nothing.
std::string EditNote(const EditResult& result);
std::string TypedNote(int group, int channel, const TypedChannel& typed);
// A name the entry did not take.
std::string NameNote(int group, int channel, LabelProblem problem);

// The channel table.
inline constexpr const char* kAllChannelsTitle = VELMAR_WORD("Velmar", "All Channels");
inline constexpr const char* kColumnGroup = VELMAR_WORD("Velmar", "Group");
inline constexpr const char* kColumnChannel = VELMAR_WORD("Velmar", "CH");
inline constexpr const char* kColumnFrequency = VELMAR_WORD("Velmar", "Frequency");
inline constexpr const char* kColumnName = VELMAR_WORD("Velmar", "Name");
inline constexpr const char* kColumnSpacing = VELMAR_WORD("Velmar", "Spacing");
inline constexpr const char* kColumnPlan = VELMAR_WORD("Velmar", "Plan");
inline constexpr const char* kColumnSameAs = VELMAR_WORD("Velmar", "Same as");
std::string ChannelLabel(int group, int channel); // "A3"
std::string PlanLabel(const PlanChannel& plan);   // "PMR446 3"

// Edit > Check Setting.
inline constexpr const char* kMenuCheckSetting = VELMAR_WORD("Velmar", "Chec&k Setting");
inline constexpr const char* kCheckTitle = VELMAR_WORD("Velmar", "Check Setting");
inline constexpr const char* kCheckClean = VELMAR_WORD(
    "Velmar",
    "Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds "
    "a frequency twice.");
inline constexpr const char* kCheckOwnChannels =
    VELMAR_WORD("Velmar", "Nothing to check: in this mode the radio uses its own channels, not the groups.");
// "2 things to look at before a Send; they do not stop it:" and one line each.
std::string CheckFound(std::size_t count);
std::string DescribeSettingWarning(const SettingWarning& warning);
// The status area's line while something is found: the first warning, and how many there are.
std::string CheckLine(std::size_t count, const SettingWarning& first);

// Compare.
inline constexpr const char* kCompareTitle = VELMAR_WORD("Velmar", "Compare With");
inline constexpr const char* kNoSendKept = VELMAR_WORD(
    "Velmar", "No Send the radio could have taken has been kept yet: the history of sent settings holds none.");
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

// `velmar --help`, written for a terminal and for help2man (which reads the English).
std::string VelmarUsage();

} // namespace velmar::res
