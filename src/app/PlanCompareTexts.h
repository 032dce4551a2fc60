// Texts of the channel-plan and compare commands of the main window, spelled
// exactly as shown. The refusals, notes and field names themselves come from
// the model, word for word as vesk4-cli gives them.
#pragma once

namespace PlanCompareText
{
// Menus
inline constexpr char kImportPlan[] = "Import Channel Plan(&I)...";
inline constexpr char kExportPlan[] = "Export Channel Plan(&E)...";
inline constexpr char kCompareFile[] = "Compare with File(&W)...";
inline constexpr char kCompareRadio[] = "Compare with Radio(&W)...";

// File dialogs
inline constexpr char kPlanFilter[] = "Channel Plan(*.csv)";
inline constexpr char kPlanPattern[] = "*.csv";
inline constexpr char kPlanExtension[] = ".csv";

// Channel plans; %s is the plan's path.
inline constexpr char kNoModel[] =
    "No radio model is chosen, so the channels have no frequencies.\n"
    "Choose one on the Model form first.";
inline constexpr char kReadError[] = "The channel plan %s could not be read: %s.";
inline constexpr char kWriteError[] = "The channel plan %s could not be written: %s.";
inline constexpr char kTooLarge[] = "it is too large for a channel plan";
// The refused rows follow, one a line.
inline constexpr char kRefused[] = "%zu problem(s) in %s; nothing was changed.\n";
inline constexpr char kImportRest[] = "\nImport the other rows and leave the channels of these "
                                      "as they are?";
inline constexpr char kKeepOthers[] =
    "Keep the channels that the plan does not list?\n"
    "No empties them, as vesk4-cli import-csv does without --merge.";
inline constexpr char kImported[] = "%d channel(s) in use after the plan %s.";
inline constexpr char kImportStep[] = "Import %1";
inline constexpr char kExported[] = "%d channel(s) -> %s";
inline constexpr char kNotesHeading[] = "\n\nNotes:\n";

// The compare window
inline constexpr char kCompareTitle[] = "Compare";
inline constexpr char kNoDifferences[] = "no differences";
inline constexpr char kSummary[] = "%1 difference(s) between %2 and %3.";
inline constexpr char kSameSummary[] = "%1 and %2: no differences";
inline constexpr char kFormHeading[] = "Form";
inline constexpr char kFieldHeading[] = "Field";
inline constexpr char kTheWindow[] = "the window";
inline constexpr char kTheRadio[] = "the radio";
inline constexpr char kWindowHeading[] = "Window";
inline constexpr char kRadioHeading[] = "Radio";
inline constexpr char kCopy[] = "Copy";
inline constexpr char kPrint[] = "Print...";
inline constexpr char kClose[] = "Close";
inline constexpr char kTableName[] = "Differences";
inline constexpr char kPrintArrow[] = " -> ";
inline constexpr char kPrintFailed[] = "The differences could not be printed.";
inline constexpr char kBusyPort[] = "The form on screen is busy with a transfer on the port.\n"
                                    "Compare with Radio can read the radio once it has ended.";
inline constexpr char kBackupFailed[] =
    "The radio's image could not be kept in the backup folder.\n"
    "The comparison itself is complete.";
} // namespace PlanCompareText
