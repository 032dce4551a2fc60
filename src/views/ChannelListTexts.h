// Every text of the Channel List form that the user sees, spelled exactly as
// shown. The column titles and cell words are the model's (model/GridTexts.h),
// and a refused cell speaks with the Channel form's own messages.
#pragma once

namespace ChannelListText
{
inline constexpr char kGroupNames[] = "Group Names";
inline constexpr char kGroupNameEntry[] = "%1: %2";
inline constexpr char kChannelTable[] = "Channels";
inline constexpr char kRowHeader[] = "%1";
inline constexpr char kReady[] =
    "Type to edit a cell; Ctrl+C, Ctrl+X, Ctrl+V copy, cut and paste rows; Delete empties them.";
inline constexpr char kRefused[] = "Channel %1, %2: %3";

// Actions of the form's own menu (right mouse button) and their keys.
inline constexpr char kCopy[] = "Copy";
inline constexpr char kCut[] = "Cut";
inline constexpr char kPaste[] = "Paste";
inline constexpr char kEmpty[] = "Empty Channels";
inline constexpr char kFillDown[] = "Fill Down";
inline constexpr char kFillSeries[] = "Fill Series...";
inline constexpr char kInsert[] = "Insert Channels";
inline constexpr char kRemove[] = "Delete Channels";
inline constexpr char kMoveUp[] = "Move Up";
inline constexpr char kMoveDown[] = "Move Down";
inline constexpr char kSortFrequency[] = "Sort by Receive Freq";
inline constexpr char kSortName[] = "Sort by Name";
inline constexpr char kSortScanGroup[] = "Sort by Scan Group";
inline constexpr char kFind[] = "Find...";
inline constexpr char kFindNext[] = "Find Next";

// The names of the steps the Edit menu undoes ("Undo Paste 12 channels").
inline constexpr char kEditCell[] = "Edit channel %1 %2";
inline constexpr char kEditGroupName[] = "Edit group %1 name";
inline constexpr char kPasteStep[] = "Paste %1 channels";
inline constexpr char kCutStep[] = "Cut %1 channels";
inline constexpr char kEmptyStep[] = "Empty %1 channels";
inline constexpr char kFillDownStep[] = "Fill down %1 channels";
inline constexpr char kFillSeriesStep[] = "Fill series %1 channels";
inline constexpr char kInsertStep[] = "Insert %1 channels";
inline constexpr char kRemoveStep[] = "Delete %1 channels";
inline constexpr char kMoveUpStep[] = "Move %1 channels up";
inline constexpr char kMoveDownStep[] = "Move %1 channels down";
inline constexpr char kSortStep[] = "Sort %1 channels";

// Questions and answers.
inline constexpr char kOverwrite[] =
    "The rows would overwrite %1 channels in use (%2). Paste over them?";
inline constexpr char kRefusedRows[] = "%1 rows cannot be pasted:\n%2\n\nPaste the other %3 rows?";
inline constexpr char kNothingToPaste[] =
    "The clipboard holds no channel rows. Copy rows from the channel list, from a spreadsheet or "
    "from an exported channel plan.";
inline constexpr char kRowsFallOff[] =
    "There is no room: channels in use would be pushed past channel %1. Delete or move them first.";
inline constexpr char kAtTheEdge[] = "The channels cannot move past the first or the last channel.";
inline constexpr char kFillRefused[] = "Channel %1, %2: %3\nThe channels above it were filled.";
inline constexpr char kSeriesStepPrompt[] = "Step between channels, in kHz:";
inline constexpr char kFindPrompt[] = "Find a channel by name or receive frequency:";
inline constexpr char kNotFound[] = "No channel has \"%1\" in its name or receive frequency.";
} // namespace ChannelListText
